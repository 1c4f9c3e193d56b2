#pragma once
#include <cstdint>

#include "host/structure/StructureFields.h"

namespace tav::structure {

// Where a structure read from a file stands in its model: the classes of its chains, residues
// and atoms, and how many of each the file gave (rows 0..n-1 of each class; objects added
// later are not the file's).
struct StructureLayout {
    uint32_t classes[3] = {0, 0, 0};  // by Level
    uint32_t counts[3] = {0, 0, 0};

    uint32_t classOf(Level level) const { return classes[static_cast<int>(level)]; }
    uint32_t count(Level level) const { return counts[static_cast<int>(level)]; }
    uint32_t atoms() const { return count(Level::Atom); }
};

}  // namespace tav::structure
