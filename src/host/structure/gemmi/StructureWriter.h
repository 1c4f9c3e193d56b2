#pragma once
// Plain C++17 (see AtomSite.h).
#include <string>

#include "host/structure/gemmi/AtomSite.h"

namespace tav::structure::writers {

// A whole file of that format made by gemmi from the atoms (with the unit cell and space group):
// what saving to the other format than the one read writes. PDB refuses chain names of more
// than two characters (StructureFileError).
std::string writeFile(const AtomSite& site, StructureFormat format, const std::string& name);

}  // namespace tav::structure::writers
