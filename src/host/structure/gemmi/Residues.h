#pragma once
// Plain C++17 (see AtomSite.h).
#include <string_view>

#include "host/structure/gemmi/StructureFileText.h"

namespace tav::structure {

// Whether a residue name is one of water's, in any case (as gemmi tells waters).
inline bool isWater(std::string_view name) {
    for (std::string_view water : StructureFileText::WaterNames) {
        if (water.size() != name.size()) continue;
        bool same = true;
        for (size_t i = 0; i < name.size(); ++i) {
            const char c =
                name[i] >= 'a' && name[i] <= 'z' ? static_cast<char>(name[i] - 'a' + 'A') : name[i];
            same = same && c == water[i];
        }
        if (same) return true;
    }
    return false;
}

}  // namespace tav::structure
