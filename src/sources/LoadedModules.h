#pragma once
#include <optional>
#include <string>
#include <string_view>

// The modules of the running process: its executable and the shared objects loaded into it.
namespace tav::LoadedModules {

// The full path of the module with this file name (compared exactly), or nothing when the
// process has none.
std::optional<std::string> find(std::string_view fileName);

}  // namespace tav::LoadedModules
