#pragma once
// Plain C++17 (see AtomSite.h).
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The words and messages of reading and writing structure files.
namespace tav::structure::StructureFileText {

// Parts of messages.
inline constexpr const char* Line = "line ";
inline constexpr const char* Colon = ": ";
inline constexpr const char* Quote = "\"";
inline constexpr const char* NotANumber = " is not a number: \"";
inline constexpr const char* NoAtoms = "the file holds no atoms";
inline constexpr const char* ShortAtomLine =
    "the atom record ends before its coordinates (column 54)";
inline constexpr const char* BadCharge = "the charge in columns 79-80 is not like 2+ or 1-: \"";
inline constexpr const char* X = "the x coordinate";
inline constexpr const char* Y = "the y coordinate";
inline constexpr const char* Z = "the z coordinate";
inline constexpr const char* Occupancy = "the occupancy";
inline constexpr const char* BFactor = "the B-factor";
inline constexpr const char* Charge = "the formal charge";
inline constexpr const char* SeqNum = "the residue number";
inline constexpr const char* Mmjson = "mmJSON files are not read, only PDB and mmCIF";
inline constexpr const char* NoBlock = "the file holds no data block";
inline constexpr const char* NoAtomSite = "the first data block has no _atom_site table";
inline constexpr const char* MissingTag = "the _atom_site table has no column _atom_site.";
inline constexpr const char* Row = "_atom_site row ";
inline constexpr const char* BadSelection = "Invalid selection \"";
inline constexpr const char* SelectionEnd = "\": ";
inline constexpr const char* Ellipsis = "...";
inline constexpr const char* NotAscii = "a residue name of the other format is ASCII, not: ";
inline constexpr const char* BadCell = "the unit cell can't be written: ";
inline constexpr const char* NotCifValue = "no quoting makes this an mmCIF value: ";
inline constexpr size_t MaxQuoted = 200;

// The model a file without model records has.
inline constexpr const char* FirstModel = "1";
// PDB records and mmCIF categories read for the unit cell and space group.
inline constexpr std::string_view Cryst1 = "CRYST1";
// mmCIF categories read.
inline const std::string AtomSite = "_atom_site.";
inline const std::string Entity = "_entity.";
inline const std::string Cell = "_cell.";
inline const std::string Symmetry = "_symmetry.";
inline const std::string SpaceGroupTag = "_symmetry.space_group_name_H-M";
// Residue names of water, as gemmi knows them.
inline constexpr std::array<std::string_view, 4> WaterNames = {"HOH", "DOD", "WAT", "H2O"};

}  // namespace tav::structure::StructureFileText
