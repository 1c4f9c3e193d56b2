#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tav::structure {

// What tells whether a file changed: its size and modification time (to the nanosecond).
struct FileStamp {
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;

    // The file's stamp now; none when it can't be looked at.
    static std::optional<FileStamp> of(const std::string& path);
};

// The text of a structure file, uncompressed, with what it takes to tell later whether the
// file still holds it. Reading refuses (StructureFileError, the message without the path) what
// can't be a structure: no regular file, an empty or binary one, one over 1 GiB, gzip data
// that is corrupt, ends early or expands more than a hundredfold (a gzip bomb).
struct StructureBytes {
    std::string text;
    bool gzipped = false;
    FileStamp stamp;
    uint64_t hash = 0;

    static StructureBytes read(const std::string& path);
    // A fast 64-bit hash of a text (to notice a file changed under the same stamp).
    static uint64_t hashOf(std::string_view text);
};

}  // namespace tav::structure
