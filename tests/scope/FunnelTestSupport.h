#pragma once
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "automation/values/AutomationError.h"
#include "automation/objects/PropertyBag.h"
#include "automation/values/TypedLiteral.h"

// Helpers shared by the funnel tests.
namespace tav::funneltest {

// The automation error `f` raised, if any.
template <class F>
std::optional<AutomationError> caught(F&& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return e;
    }
    return std::nullopt;
}

inline std::string show(const Variant& v) { return literal::print(v); }

// Writes the bag to a file and reads it into a new bag, as a form saved and reopened would.
inline Ref<PropertyBag> throughFile(const PropertyBag& bag, const std::string& name) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tav-funnel-" + name + "-" + std::to_string(::getpid()) + ".bag");
    bag.save(path.string());
    Ref<PropertyBag> reread = makeRef<PropertyBag>();
    reread->load(path.string());
    std::filesystem::remove(path);
    return reread;
}

}  // namespace tav::funneltest
