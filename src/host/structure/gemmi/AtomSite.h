#pragma once
// Plain C++17: read by the structure-file library, which meets gemmi's headers, and by the model.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/structure/gemmi/TextColumn.h"

namespace tav::structure {

enum class StructureFormat : uint8_t { Pdb, Mmcif };

// What a residue belongs to, as the field classifies it (the values are gemmi's EntityType).
enum class EntityKind : uint8_t {
    Unknown = 0,
    Polymer = 1,
    NonPolymer = 2,
    Branched = 3,
    Water = 4
};

// A stretch of a file's atom records (PDB ATOM/HETATM lines, mmCIF _atom_site rows), by their
// position among all of them: the records of the model that was read.
struct RecordRange {
    uint64_t begin = 0;
    uint64_t end = 0;
};

// The unit cell and space group, which a file in the other format can keep.
struct Crystal {
    bool known = false;
    double a = 1, b = 1, c = 1, alpha = 90, beta = 90, gamma = 90;
    std::string spaceGroup;
};

// One model of a structure file, column by column: its chains, residues and atoms in file
// order, each residue and atom linked to its parent by row. Chains are runs of atoms with the
// same chain name, residues runs with the same name, number and insertion code.
struct AtomSite {
    StructureFormat format = StructureFormat::Pdb;
    std::string modelName;  // the model number as the file gives it ("1")

    TextColumn chainNames;

    TextColumn residueNames;
    std::vector<int32_t> seqNums;
    TextColumn insCodes;
    std::vector<uint32_t> residueChains;
    std::vector<EntityKind> entityKinds;
    std::vector<char> hetFlags;  // 'A' (ATOM), 'H' (HETATM) or 0

    TextColumn atomNames;
    TextColumn elements;
    TextColumn altLocs;
    std::vector<int32_t> serials;
    std::vector<int32_t> charges;
    std::vector<double> bFactors;
    std::vector<double> occupancies;
    std::vector<double> xs, ys, zs;
    std::vector<uint32_t> atomResidues;

    // Where the atoms stand among the file's atom records, and how many records it has.
    std::vector<RecordRange> records;
    uint64_t recordCount = 0;
    // PDB: columns 73-80 hold an identifier and line numbers, not segment, element and charge.
    bool legacyColumns = false;
    // mmCIF: the tags of the _atom_site loop read, in lower case (none when the table is single
    // items), and the rows whose auth_seq_id carries the insertion code too (15A), in order.
    std::vector<std::string> cifLoopTags;
    std::vector<uint64_t> insCodeInSeqRows;
    // The file holds further models, which were not read.
    bool otherModels = false;
    // What else the file holds: PDB record names, mmCIF categories (in file order, each once).
    std::vector<std::string> otherContent;
    Crystal crystal;

    size_t atomCount() const { return xs.size(); }
    size_t residueCount() const { return seqNums.size(); }
    size_t chainCount() const { return chainNames.codes.size(); }
};

// A structure file that cannot be read or written; the message names what is wrong. It keeps
// the message whole (what() would end it at a NUL byte that a selection may hold).
class StructureFileError : public std::runtime_error {
  public:
    explicit StructureFileError(const std::string& message)
        : std::runtime_error(message), message_(message) {}
    const std::string& message() const noexcept { return message_; }

  private:
    std::string message_;
};

}  // namespace tav::structure
