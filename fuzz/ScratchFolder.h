#pragma once
#include <unistd.h>  // mkdtemp

#include <filesystem>
#include <string>
#include <system_error>

#include "FuzzInput.h"

namespace tav::fuzz {

// A temporary folder of the target's own (`prefix` names it in /tmp), removed with what is in
// it when the object ends: kept in a function's static, that is when the fuzzer exits.
class ScratchFolder {
public:
    explicit ScratchFolder(const char* prefix) {
        std::string pattern = std::string("/tmp/") + prefix + "-XXXXXX";
        const char* made = mkdtemp(pattern.data());
        if (!made) violated();
        path_ = made;
    }
    ~ScratchFolder() {
        std::error_code ignored;  // nothing to do about a folder that can't go at exit
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

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
