#pragma once
// Plain C++17 (see AtomSite.h).
#include <string>
#include <string_view>

#include "host/structure/gemmi/AtomSite.h"

// Reading structure files with gemmi. Each reader takes the whole (uncompressed) text and
// gives the first model's atoms in file order; a file it cannot read throws
// StructureFileError with a message that names the line (PDB) or what is missing (mmCIF).
namespace tav::structure::readers {

// The format the content has, as gemmi tells it: mmCIF when the first word starts a data
// block, PDB otherwise; an mmJSON text is refused.
StructureFormat detectFormat(std::string_view text);

// PDB: the ATOM and HETATM records of the first model (up to its ENDMDL, or the next MODEL),
// fields read in gemmi's columns, hybrid-36 serial and residue numbers, two-character chain
// names. A file whose columns 73-80 hold an identifier and line numbers (the legacy layout)
// is read in its first 72 columns, as gemmi would be told to.
AtomSite readPdb(std::string_view text);

// mmCIF: the _atom_site rows of the first block whose model number is the first row's.
AtomSite readMmcif(std::string_view text, const std::string& name);

}  // namespace tav::structure::readers
