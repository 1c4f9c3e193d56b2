#pragma once
// Plain C++17 (see AtomSite.h).
#include <memory>
#include <string>

#include "host/structure/gemmi/AtomSite.h"

namespace tav::structure {

// A selection in the field's usual syntax, /model/chain/residues/atoms[elements]:altloc;filters
// (//A/152-156/CA, //*/10-20/[C,N], //A/152, ;b>30), read by gemmi and asked level by level:
// the caller walks its chains, residues and atoms and asks about each. Two things differ from
// gemmi 0.5.7: a bare residue number is that residue alone (gemmi reads //A/50 as "from 50 to
// the end"), and ;b and ;q compare the values as the file gives them (gemmi compares a
// single-precision copy, so ;b>30.1 would pick an atom of 30.10).
class SelectionCriteria {
  public:
    // A malformed selection throws StructureFileError with a message that quotes it.
    explicit SelectionCriteria(const std::string& text);
    ~SelectionCriteria();
    SelectionCriteria(SelectionCriteria&&) noexcept;
    SelectionCriteria& operator=(SelectionCriteria&&) noexcept;

    bool model(const std::string& name) const;
    bool chain(const std::string& name) const;
    // icode: ' ' when the residue has none.
    bool residue(const std::string& name, int seqNum, char icode, EntityKind kind) const;
    // Whether every atom of a chosen residue is chosen (no atom names, elements, altlocs or
    // value filters).
    bool everyAtom() const;
    bool atomName(const std::string& name) const;
    bool element(const std::string& symbol) const;
    bool altLoc(const std::string& altLoc) const;
    // Whether the filters on B-factor and occupancy are asked; the atom's values against them.
    bool filtersValues() const;
    bool values(double bFactor, double occupancy) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tav::structure
