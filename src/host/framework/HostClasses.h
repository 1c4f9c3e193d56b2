#pragma once
#include <string>
#include <string_view>

#include "automation/server/ClassRegistry.h"

namespace tav {

// The host's classes (Host.Form, Host.Notifier, Host.TextBox, ..., Host.AutoObject,
// Host.PropertyBag) as a program creates them by program id, alongside the library's parts.
// The state system's classes (Host.State, Host.DataDirectoryProvider) come with the state
// library (host/state/StateClasses.h).
namespace hostclasses {

inline constexpr std::string_view kProgIdPrefix = "Host.";

// Adds them to a registry (again: the entries are replaced).
void registerIn(ClassRegistry& registry);
// Adds them to the process-wide registry, once.
void ensureRegistered();

// The registry entry of a host class: "Host." + its name, made by its default constructor.
template <class C>
ClassEntry entry() {
    const ClassDesc& desc = C::table();
    ClassEntry e;
    e.name = desc.name();
    e.progId = std::string(kProgIdPrefix) + desc.name();
    e.create = [] { return Ref<Object>(makeRef<C>()); };
    e.describe = &C::table;
    return e;
}

}  // namespace hostclasses
}  // namespace tav
