#pragma once
// Plain C++17 (see AtomSite.h).
#include <string>
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

// gemmi's residue tables key names by their bytes as signed characters, which is undefined for
// bytes beyond ASCII; no tabulated name has one, so such bytes read as '?' when a table is asked.
inline bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}
inline std::string forTables(const std::string& name) {
    if (isAscii(name)) return name;
    std::string out = name;
    for (char& c : out)
        if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    return out;
}

}  // namespace tav::structure
