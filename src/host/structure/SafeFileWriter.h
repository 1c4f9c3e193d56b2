#pragma once
#include <string>
#include <string_view>

#include "host/structure/StructureBytes.h"

namespace tav::structure {

// Writes a whole file so that it is never seen half-written: into a new file beside it, flushed
// to disk, then renamed over it. A file that was there keeps its permissions. `gzip` compresses
// the text. Fails with StructureFileError (the message without the path), leaving the target as
// it was. Returns the new file's stamp.
FileStamp writeFileAtomically(const std::string& path, std::string_view text, bool gzip);

}  // namespace tav::structure
