#pragma once
#include <unistd.h>  // mkdtemp

#include <filesystem>
#include <string>

#include "FuzzInput.h"

namespace tav::fuzz {

// A temporary folder of the target's own, made once per process; `prefix` names it in /tmp.
inline std::filesystem::path makeScratchFolder(const char* prefix) {
    std::string pattern = std::string("/tmp/") + prefix + "-XXXXXX";
    const char* made = mkdtemp(pattern.data());
    if (!made) violated();
    return std::filesystem::path(made);
}

// Makes `folder` the current directory for one input and goes back afterwards: libFuzzer reads
// and writes its corpus relative to the directory it was started in, and an input may move the
// current directory itself (a script can).
class InFolder {
public:
    explicit InFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(previous_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::filesystem::path previous_;
};

}  // namespace tav::fuzz
