#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace tav {

// Why a state meta file cannot be loaded, and where: thrown while the file is read and turned
// into the state's error (number 5, source "State", "FILE:LINE: why") when the read ends.
class MetaFileError : public std::runtime_error {
public:
    // Line 0: no line to name.
    explicit MetaFileError(std::string why, uint64_t line = 0) : std::runtime_error(std::move(why)), line_(line) {}
    uint64_t line() const { return line_; }

private:
    uint64_t line_;
};

}  // namespace tav
