#pragma once
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <stdexcept>
#include <string>

// Reading a whole text file that a user names (a script, a form, the registry) within a size
// limit: a folder, a file beyond the limit, or one that never ends (a device such as
// /dev/zero) is refused with a reason rather than read into memory without bound. Pipes and
// other files without a known size are read as far as the limit.
namespace tav::TextFile {

inline constexpr uintmax_t DefaultMaxBytes = uintmax_t(64) << 20;

// Why a file cannot be read; what() is the reason, in words ("is a folder").
class Refused : public std::runtime_error {
public:
    Refused(std::string why, bool missing) : std::runtime_error(std::move(why)), missing_(missing) {}
    // The file is not there at all.
    bool missing() const noexcept { return missing_; }

private:
    bool missing_;
};

// The file's bytes. Throws Refused.
std::string read(const std::filesystem::path& path, uintmax_t maxBytes = DefaultMaxBytes);
// What a stream gives until it ends (standard input may be a pipe that never does). Throws
// Refused when that is more than the limit.
std::string read(std::istream& in, uintmax_t maxBytes = DefaultMaxBytes);

}  // namespace tav::TextFile
