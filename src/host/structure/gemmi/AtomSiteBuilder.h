#pragma once
// Plain C++17 (see AtomSite.h).
#include <cstddef>

#include "host/structure/gemmi/AtomSite.h"

namespace tav::structure {

// What both readers fill an AtomSite with, row by row: its text columns through builders, its
// numbers directly into the site.
struct AtomSiteBuilder {
    AtomSite site;
    TextColumnBuilder atomNames, elements, altLocs, residueNames, insCodes, chainNames;

    // Room for about this many atoms.
    void reserve(size_t atoms);
    // The text columns into the site, every column as large as what it holds.
    void finishColumns();
};

}  // namespace tav::structure
