#include "host/structure/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "host/structure/StructureText.h"
#include "host/structure/gemmi/AtomSite.h"

namespace tav::structure {

namespace {

namespace T = StructureText;

constexpr int kGzipWindow = 15 + 16;
constexpr int kGzipMemLevel = 8;
constexpr size_t kWriteChunk = size_t{1} << 20;
constexpr mode_t kNewFileMode = 0666;  // less the process's umask, as for any new file
constexpr int kNameAttempts = 100;
constexpr std::string_view kTempMark = ".tav-";

[[noreturn]] void fail(std::string_view detail) {
    throw StructureFileError(std::string(T::CannotWrite) + std::string(detail));
}

std::string gzipped(std::string_view text) {
    z_stream zs{};
    if (deflateInit2(&zs, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindow, kGzipMemLevel,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        fail(T::Zlib);
    std::string out(deflateBound(&zs, static_cast<uLong>(text.size())), '\0');
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    zs.avail_in = static_cast<uInt>(text.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = static_cast<uInt>(out.size());
    const int rc = deflate(&zs, Z_FINISH);
    out.resize(zs.total_out);
    deflateEnd(&zs);
    if (rc != Z_STREAM_END) fail(T::Zlib);
    return out;
}

void writeAll(int fd, std::string_view data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::write(fd, data.data() + done, std::min(kWriteChunk, data.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(std::strerror(errno));
        done += static_cast<size_t>(n);
    }
}

// A new file beside the target, named after it; its path.
int createBeside(const std::filesystem::path& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        tempPath = (dir / ("." + target.filename().string() + std::string(kTempMark) +
                           std::to_string(::getpid()) + "-" + std::to_string(counter++)))
                       .string();
        const int fd =
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd >= 0) return fd;
        if (errno != EEXIST) fail(std::strerror(errno));
    }
    fail(std::strerror(EEXIST));
}

}  // namespace

FileStamp writeFileAtomically(const std::string& path, std::string_view text, bool gzip) {
    const std::string packed = gzip ? gzipped(text) : std::string();
    const std::string_view data = gzip ? std::string_view(packed) : text;
    std::string temp;
    int fd = createBeside(std::filesystem::path(path), temp);
    try {
        struct stat existing {};
        if (::stat(path.c_str(), &existing) == 0 && ::fchmod(fd, existing.st_mode & 07777) != 0)
            fail(std::strerror(errno));
        writeAll(fd, data);
        if (::fsync(fd) != 0) fail(std::strerror(errno));
        const int closed = ::close(fd);
        fd = -1;
        if (closed != 0) fail(std::strerror(errno));
    } catch (...) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        throw;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int e = errno;
        ::unlink(temp.c_str());
        fail(std::strerror(e));
    }
    const auto stamp = FileStamp::of(path);
    return stamp ? *stamp : FileStamp{};
}

}  // namespace tav::structure
