#pragma once
#include <string_view>

#include "automation/ClassRegistry.h"
#include "automation/Guid.h"
#include "automation/Object.h"

// The process-wide class registry, with the library's public classes in it from the start
// (under "SCTAVParts.<ClassName>"). Hosts add their classes to it; everything that creates
// an object by program id or class id goes through it.
namespace tav {

ClassRegistry& classRegistry();
// Adds the library's public classes to a registry (classRegistry() has them already).
void addLibraryClasses(ClassRegistry& registry);

inline Ref<Object> createObject(std::string_view progId) { return classRegistry().createObject(progId); }
inline Ref<Object> createObject(const Guid& clsid) { return classRegistry().createObject(clsid); }

}  // namespace tav
