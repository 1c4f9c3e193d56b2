#include "sources/LoadedModules.h"

#include <link.h>

#include <filesystem>
#include <system_error>

namespace tav::LoadedModules {

namespace {

constexpr const char* kOwnExecutable = "/proc/self/exe";

struct Search {
    std::string_view fileName;
    std::optional<std::string> found;
};

bool named(const std::string& path, std::string_view fileName) {
    return !path.empty() && std::filesystem::path(path).filename() == fileName;
}

int visit(dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<Search*>(data);
    const std::string path = info->dlpi_name ? info->dlpi_name : "";
    if (!named(path, search->fileName)) return 0;
    search->found = path;
    return 1;  // stops the walk
}

}  // namespace

std::optional<std::string> find(std::string_view fileName) {
    std::error_code ec;
    const std::string self = std::filesystem::read_symlink(kOwnExecutable, ec).string();
    if (!ec && named(self, fileName)) return self;
    Search search{fileName, std::nullopt};
    dl_iterate_phdr(&visit, &search);
    return search.found;
}

}  // namespace tav::LoadedModules
