// A protein-like structure of any size, written as PDB or mmCIF, for measuring: chains of up to
// 1000 residues of four kinds (5 to 10 atoms each), each chain ending in a few waters, every
// value spread over a plausible range (coordinates, B-factors, a few altlocs and charges).
// Serial numbers pass 99 999, so PDB files use hybrid-36 as the format extends it.
#pragma once
#include <cstddef>
#include <string>

namespace tav::bench {

// Writes about `atoms` atoms (exactly, when the count allows) to `path`; the atom count written.
size_t writeSyntheticPdb(const std::string& path, size_t atoms);
size_t writeSyntheticMmcif(const std::string& path, size_t atoms);

}  // namespace tav::bench
