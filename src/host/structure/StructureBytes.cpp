#include "host/structure/StructureBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cstring>

#include "host/structure/StructureText.h"
#include "host/structure/gemmi/AtomSite.h"

namespace tav::structure {

namespace {

namespace T = StructureText;

constexpr unsigned char kGzipMagic[] = {0x1f, 0x8b};
constexpr size_t kReadChunk = size_t{1} << 20;
constexpr int kGzipWindow = 15 + 16;  // zlib: a gzip header, the largest window

[[noreturn]] void fail(std::string_view what, std::string_view detail = {}) {
    throw StructureFileError(std::string(what) + std::string(detail));
}

// Closes the descriptor however reading ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

FileStamp stampOf(const struct stat& st) {
    return FileStamp{static_cast<uint64_t>(st.st_size),
                     static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

std::string readAll(int fd, size_t size) {
    std::string text(size, '\0');
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, text.data() + done, std::min(kReadChunk, size - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(T::CannotRead, std::strerror(errno));
        if (n == 0) break;  // shorter than it said: it is being written to
        done += static_cast<size_t>(n);
    }
    text.resize(done);
    return text;
}

bool isGzip(std::string_view data) {
    return data.size() >= 2 && static_cast<unsigned char>(data[0]) == kGzipMagic[0] &&
           static_cast<unsigned char>(data[1]) == kGzipMagic[1];
}

// Inflates every gzip member, refusing output that grows far beyond the input that made it.
std::string gunzip(std::string_view data) {
    z_stream zs{};
    if (inflateInit2(&zs, kGzipWindow) != Z_OK) fail(T::GzipCorrupt, T::Zlib);
    struct End {
        z_stream& zs;
        ~End() { inflateEnd(&zs); }
    } end{zs};
    std::string out(std::min(data.size() * 4 + kReadChunk, T::MaxTextBytes), '\0');
    size_t consumed = 0, produced = 0;
    for (;;) {
        if (produced == out.size()) {
            if (out.size() >= T::MaxTextBytes) fail(T::TooLarge);
            out.resize(std::min(out.size() * 2, T::MaxTextBytes));
        }
        const size_t inChunk = std::min(data.size() - consumed, size_t{kReadChunk});
        const size_t outChunk = std::min(out.size() - produced, size_t{kReadChunk});
        zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + consumed));
        zs.avail_in = static_cast<uInt>(inChunk);
        zs.next_out = reinterpret_cast<Bytef*>(out.data() + produced);
        zs.avail_out = static_cast<uInt>(outChunk);
        const int rc = inflate(&zs, Z_NO_FLUSH);
        consumed += inChunk - zs.avail_in;
        produced += outChunk - zs.avail_out;
        if (produced > T::GzipRatioFloor && produced / T::MaxGzipRatio > consumed)
            fail(T::GzipBomb);
        if (rc == Z_STREAM_END) {
            // Another member may follow; anything else after the data is ignored, as gzip does.
            if (!isGzip(data.substr(consumed))) break;
            if (inflateReset(&zs) != Z_OK) fail(T::GzipCorrupt, T::Zlib);
            continue;
        }
        if (rc == Z_OK) continue;
        // No progress with output room left: the input ran out before the data ended.
        if (rc == Z_BUF_ERROR) fail(T::GzipTruncated);
        fail(T::GzipCorrupt, zs.msg ? std::string_view(zs.msg) : T::Zlib);
    }
    out.resize(produced);
    return out;
}

}  // namespace

std::optional<FileStamp> FileStamp::of(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return stampOf(st);
}

StructureBytes StructureBytes::read(const std::string& path) {
    // Not blocking: a FIFO would wait for a writer before it could be refused.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) fail(T::CannotOpen, std::strerror(errno));
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) fail(T::CannotRead, std::strerror(errno));
    if (!S_ISREG(st.st_mode)) fail(T::NotRegular);
    if (static_cast<uint64_t>(st.st_size) > T::MaxTextBytes) fail(T::TooLarge);
    StructureBytes bytes;
    bytes.stamp = stampOf(st);
    bytes.text = readAll(file.fd, static_cast<size_t>(st.st_size));
    if (isGzip(bytes.text)) {
        bytes.gzipped = true;
        bytes.text = gunzip(bytes.text);
    }
    if (bytes.text.empty()) fail(T::Empty);
    if (std::memchr(bytes.text.data(), '\0', bytes.text.size())) fail(T::Binary);
    bytes.hash = hashOf(bytes.text);
    return bytes;
}

uint64_t StructureBytes::hashOf(std::string_view text) {
    constexpr uint64_t kSeed = 0x9E3779B97F4A7C15ull;
    constexpr uint64_t kMul1 = 0xBF58476D1CE4E5B9ull;
    constexpr uint64_t kMul2 = 0x94D049BB133111EBull;
    constexpr int kRotate = 31;
    uint64_t h = kSeed ^ text.size();
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t w;
        std::memcpy(&w, text.data() + i, 8);
        h ^= w * kMul1;
        h = ((h << kRotate) | (h >> (64 - kRotate))) * kMul2;
    }
    uint64_t tail = 0;
    if (i < text.size()) std::memcpy(&tail, text.data() + i, text.size() - i);
    h ^= tail * kMul1;
    h ^= h >> 29;
    h *= kMul2;
    return h ^ (h >> 32);
}

}  // namespace tav::structure
