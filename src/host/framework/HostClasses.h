#pragma once
#include <string>
#include <string_view>

namespace tav {

class ClassRegistry;

// The host's classes (Host.Form, Host.Notifier, Host.TextBox, ..., Host.AutoObject,
// Host.PropertyBag) as a program creates them by program id, alongside the library's parts.
namespace hostclasses {

inline constexpr std::string_view kProgIdPrefix = "Host.";

// Adds them to a registry (again: the entries are replaced).
void registerIn(ClassRegistry& registry);
// Adds them to the process-wide registry, once.
void ensureRegistered();

}  // namespace hostclasses
}  // namespace tav
