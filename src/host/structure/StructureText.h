#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// Names and messages of structure files in the model: the classes their objects belong to, and
// what loading, selecting and saving say when they cannot.
namespace tav::structure::StructureText {

// The model classes a structure's objects belong to.
inline constexpr std::string_view Chain = "Chain";
inline constexpr std::string_view Residue = "Residue";
inline constexpr std::string_view Atom = "Atom";

// The source of the errors (the model class).
inline constexpr std::string_view Source = "Model";

// Files.
inline constexpr std::string_view Empty = "the file is empty";
inline constexpr std::string_view NotRegular = "not a regular file";
inline constexpr std::string_view CannotOpen = "cannot be opened: ";
inline constexpr std::string_view CannotRead = "cannot be read: ";
inline constexpr std::string_view TooLarge = "larger than the 1 GiB a structure file may hold";
inline constexpr std::string_view Binary = "not a text file (it holds NUL bytes)";
inline constexpr std::string_view GzipCorrupt = "the compressed data is corrupt: ";
inline constexpr std::string_view GzipTruncated = "the compressed data ends early";
inline constexpr std::string_view Zlib = "zlib";
inline constexpr std::string_view GzipBomb =
    "decompresses to more than 100 times its size: not a structure file";
inline constexpr std::string_view CannotWrite = "cannot be written: ";
inline constexpr std::string_view PathSeparator = ": ";

// Loading, selecting, saving.
inline constexpr std::string_view AlreadyLoaded =
    "this model already holds a structure; read another file into a new model";
inline constexpr std::string_view HoldsAtoms =
    "this model already holds chains, residues or atoms; read the file into a new model";
inline constexpr std::string_view NoStructure = "this model holds no structure read from a file";
inline constexpr std::string_view ChangedOnDisk =
    "changed on disk since it was read: nothing is written over it";
inline constexpr std::string_view SourceGone =
    "the file the structure was read from changed or is gone, so its text can't be kept: ";
inline constexpr std::string_view AtomWord = "atom ";
inline constexpr std::string_view ResidueWord = "residue ";
inline constexpr std::string_view ChainWord = "chain ";
inline constexpr std::string_view DoesNotFit = " does not fit the PDB columns ";
inline constexpr std::string_view Columns = "-";
inline constexpr std::string_view NotANumber = " is not a number: ";
inline constexpr std::string_view NotAnInteger = " is not an integer: ";
inline constexpr std::string_view NoValue = " has no value";
inline constexpr std::string_view LegacyColumns =
    " can't be written: columns 73-80 of this file hold an identifier and line numbers";
inline constexpr std::string_view NoCifColumn = " can't be written: _atom_site has no column ";
inline constexpr std::string_view PdbBlanks =
    " has blanks at its ends, which the PDB columns don't keep: ";
inline constexpr std::string_view PdbNoLetter =
    " has no letter, and PDB columns 77-78 without one read as the element the name implies: ";
inline constexpr std::string_view BecomesLegacy =
    " would make columns 73-80 read as an identifier and line numbers";
inline constexpr std::string_view ElementFromName = " would make the element read as ";
inline constexpr std::string_view ElementNot = ", not ";
inline constexpr std::string_view NoElementOfItsOwn =
    ": this file gives the atom no element of its own";
inline constexpr std::string_view InsCodeAfterNumber =
    " can't be written after the residue number, where this file's auth_seq_id keeps it: ";
inline constexpr std::string_view CifText = " can't be written as an mmCIF value: ";
inline constexpr std::string_view ChainTooLong =
    "the PDB format holds chain names of at most two characters: ";
inline constexpr std::string_view AtomSiteMismatch =
    "the file's _atom_site table is not as it was read; nothing is written";

// What saving to the other format says.
inline constexpr std::string_view WrittenAs = "written as ";
inline constexpr std::string_view FormatPdb = "PDB";
inline constexpr std::string_view FormatMmcif = "mmCIF";
inline constexpr std::string_view Kept =
    " from the atoms of one model (names, elements, altlocs, serials, charges, B-factors, "
    "occupancies, coordinates; residues and chains), the unit cell and the space group";
inline constexpr std::string_view NotKept = "; not kept: ";
inline constexpr std::string_view OtherModels = "the file's other models";
inline constexpr std::string_view ListSeparator = ", ";
inline constexpr std::string_view AddedAtoms =
    " atoms added after the file was read are not written";
inline constexpr std::string_view NoteSeparator = "; ";

// File names that choose a format and compression.
inline constexpr std::string_view GzipSuffix = ".gz";
inline constexpr std::string_view PdbSuffixes[] = {".pdb", ".ent"};
inline constexpr std::string_view MmcifSuffixes[] = {".cif", ".mmcif"};

// Limits of what is read.
inline constexpr size_t MaxTextBytes = size_t{1} << 30;
inline constexpr size_t GzipRatioFloor = size_t{64} << 20;
inline constexpr size_t MaxGzipRatio = 100;

}  // namespace tav::structure::StructureText
