#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "automation/values/Variant.h"
#include "host/model/Model.h"
#include "host/model/RowBits.h"
#include "host/structure/StructureLayout.h"

namespace tav::structure {

// Which fields of a structure's file edits changed, and their values now: a field changed where
// the model's value differs from the one read (in type or value), so an edit that was undone, or
// a value set back by hand, is no change. An atom's record changes with its own fields and with
// those of its residue and chain.
class EditedFields {
  public:
    EditedFields(const hostmodel::Model& model, const StructureLayout& layout);

    // Atoms whose record changes.
    int32_t changedAtoms() const { return changedAtoms_; }
    bool atomChanged(uint32_t atom) const { return atoms_.test(atom); }
    // Whether the field changed for the atom (its own, its residue's or its chain's).
    bool changed(const StructureField& field, uint32_t atom) const;
    bool anyChanged(const StructureField& field) const { return any_[index(field)]; }
    // The first atom for which the field changed, if any.
    std::optional<uint32_t> firstChanged(const StructureField& field) const;
    // The field's value now, for the atom.
    Variant value(const StructureField& field, uint32_t atom) const;
    // Where the file gives no element, the name's alignment still follows the atom's element.
    std::string element(uint32_t atom) const;

  private:
    static size_t index(const StructureField& f);
    uint32_t rowOf(Level level, uint32_t atom) const;

    StructureLayout layout_;
    std::span<const uint32_t> atomResidues_, residueChains_;
    std::array<const hostmodel::Column*, kStructureFields.size()> columns_{};
    std::array<hostmodel::RowBits, kStructureFields.size()> fields_;
    std::array<bool, kStructureFields.size()> any_{};
    hostmodel::RowBits atoms_;
    int32_t changedAtoms_ = 0;
};

}  // namespace tav::structure
