#include "automation/server/ThreadEnvironment.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <set>
#include <shared_mutex>

namespace tav::ThreadEnvironment {

namespace fs = std::filesystem;

namespace {

// What this thread set: a value, or nullopt for a variable it unset.
struct ThreadView {
    std::map<std::string, std::optional<std::string>, std::less<>> variables;
    std::optional<fs::path> currentDirectory;
};
thread_local ThreadView tView;

// The process's environment is read under the shared lock and written under the exclusive one,
// so the library's own readers never meet its one writer.
std::shared_mutex& processLock() {
    static std::shared_mutex lock;
    return lock;
}

// The variables the library has set in the process (under the exclusive lock).
std::set<std::string, std::less<>>& setInProcess() {
    static std::set<std::string, std::less<>> names;
    return names;
}

}  // namespace

std::optional<std::string> get(std::string_view name) {
    if (const auto it = tView.variables.find(name); it != tView.variables.end()) return it->second;
    const std::string key(name);
    const std::shared_lock lock(processLock());
    if (const char* value = std::getenv(key.c_str())) return std::string(value);
    return std::nullopt;
}

void set(std::string_view name, std::optional<std::string_view> value) {
    auto& slot = tView.variables[std::string(name)];
    if (value)
        slot = std::string(*value);
    else
        slot.reset();
}

bool setForProcessOnce(std::string_view name, std::string_view value) {
    set(name, value);
    const std::unique_lock lock(processLock());
    if (!setInProcess().insert(std::string(name)).second) return true;
    return ::setenv(std::string(name).c_str(), std::string(value).c_str(), 1) == 0;
}

fs::path currentDirectory() {
    if (tView.currentDirectory) return *tView.currentDirectory;
    std::error_code ec;
    fs::path here = fs::current_path(ec);
    return ec ? fs::path() : here;
}

std::error_code setCurrentDirectory(const fs::path& path) {
    const fs::path target = resolve(path);
    std::error_code ec;
    if (!fs::is_directory(target, ec)) return ec ? ec : std::make_error_code(std::errc::not_a_directory);
    // The folder's own path, links followed, as the system gives a current directory.
    fs::path real = fs::canonical(target, ec);
    if (ec) return ec;
    tView.currentDirectory = std::move(real);
    return {};
}

fs::path resolve(const fs::path& path) {
    if (path.is_absolute() || path.empty()) return path;
    return currentDirectory() / path;
}

}  // namespace tav::ThreadEnvironment
