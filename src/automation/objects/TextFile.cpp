#include "automation/objects/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <istream>
#include <string_view>
#include <system_error>

namespace tav::TextFile {

namespace {

constexpr std::string_view kIsFolder = "is a folder";
constexpr std::string_view kTooLarge = "is larger than ";
constexpr std::string_view kMiB = " MiB";
constexpr std::string_view kBytes = " bytes";
constexpr std::string_view kCannotRead = "cannot be read: ";
constexpr uintmax_t kMiBBytes = uintmax_t(1) << 20;
constexpr size_t kChunk = size_t(1) << 16;

[[noreturn]] void refuse(int error) {
    throw Refused(std::string(kCannotRead) + std::generic_category().message(error), error == ENOENT);
}

std::string limitText(uintmax_t maxBytes) {
    if (maxBytes % kMiBBytes == 0) return std::string(kTooLarge) + std::to_string(maxBytes / kMiBBytes) + std::string(kMiB);
    return std::string(kTooLarge) + std::to_string(maxBytes) + std::string(kBytes);
}

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

std::string read(const std::filesystem::path& path, uintmax_t maxBytes) {
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) refuse(errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) refuse(errno);
    if (S_ISDIR(info.st_mode)) throw Refused(std::string(kIsFolder), false);
    if (S_ISREG(info.st_mode) && static_cast<uintmax_t>(info.st_size) > maxBytes)
        throw Refused(limitText(maxBytes), false);
    // Whatever the size says, the read stops one byte beyond the limit.
    std::string text;
    for (;;) {
        const size_t before = text.size();
        const size_t room = static_cast<size_t>(std::min<uintmax_t>(kChunk, maxBytes + 1 - before));
        text.resize(before + room);
        const ssize_t got = ::read(file.get(), text.data() + before, room);
        if (got < 0) {
            if (errno == EINTR) {
                text.resize(before);
                continue;
            }
            refuse(errno);
        }
        text.resize(before + static_cast<size_t>(got));
        if (got == 0) return text;
        if (text.size() > maxBytes) throw Refused(limitText(maxBytes), false);
    }
}

std::string read(std::istream& in, uintmax_t maxBytes) {
    std::string text;
    while (in) {
        const size_t before = text.size();
        const size_t room = static_cast<size_t>(std::min<uintmax_t>(kChunk, maxBytes + 1 - before));
        text.resize(before + room);
        in.read(text.data() + before, static_cast<std::streamsize>(room));
        text.resize(before + static_cast<size_t>(in.gcount()));
        if (text.size() > maxBytes) throw Refused(limitText(maxBytes), false);
    }
    return text;
}

}  // namespace tav::TextFile
