#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "automation/values/Guid.h"

// The library's registered identity: the type library and its public classes, with the ids
// chosen once and kept for good.
namespace tav::library {

inline constexpr std::string_view kName = "SCTAVParts";
inline constexpr Guid kLibraryId{"{6A908862-41C8-4D6F-9134-37BE5D3EBD40}"};
inline constexpr int kVersionMajor = 12;
inline constexpr int kVersionMinor = 0;
inline constexpr uint32_t kLocale = 0x409;
// Quoted text: the trailing blank belongs to it.
inline constexpr std::string_view kHelpString = "Orvane: Common T.A.V. Source and Glue Parts ";
inline constexpr std::string_view kModuleName = "TAVParts";
inline constexpr std::string_view kModuleDescription = "Provides framework for binding com objects.";
inline constexpr std::string_view kModuleVersion = "4.00";
inline constexpr std::string_view kThreadingModel = "Apartment";

// The framework interfaces a class implements (interfaces of the host's binding framework).
enum class Fw : uint8_t { None, Source, Browsing, Direct, Glue };
std::string_view interfaceName(Fw f);

struct RegisteredClass {
    std::string_view name;
    Guid clsid;
    Guid defaultInterfaceId;  // of "_" + name
    bool creatable;           // by clients, by class id or program id
    bool persistable;         // keeps its design-time properties in a property bag
    std::array<Fw, 2> interfaces;
    bool hasEvents = false;   // raises events through "__" + name
};

// The public classes, in type-library order.
std::span<const RegisteredClass> classes();
const RegisteredClass* findClass(std::string_view name);
std::string progIdOf(std::string_view className);  // "SCTAVParts." + name

// The event interface of the class that raises events.
inline constexpr Guid kEventInterfaceId{"{BDF4CECD-F6FD-4A76-9CF1-7519C1256CF2}"};

// The enumerations the type library holds (their members come with the classes that use them).
inline constexpr std::array<std::string_view, 5> kEnumerations = {
    "gfFormatTypes", "enumArrayIndexChange", "funneledPropertyStatus", "funneledPropertyResolveBy",
    "enumInfiniteScopeCrack"};

}  // namespace tav::library
