#pragma once

namespace tav {

class ClassRegistry;

// The state system's classes (Host.State, Host.DataDirectoryProvider), which the state parts
// and the host's start-up create by program id.
namespace stateclasses {

void registerIn(ClassRegistry& registry);
// Adds them and the host's classes (hostclasses) to the process-wide registry, once.
void ensureRegistered();

}  // namespace stateclasses
}  // namespace tav
