#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/structure/EditedFields.h"
#include "host/structure/gemmi/AtomSite.h"

namespace tav::structure {

// The atom row of each atom record of a file, asked for in file order: the records of the
// model that was read are the atoms, in order; the others are no atom.
class RecordRows {
  public:
    explicit RecordRows(const std::vector<RecordRange>& ranges) : ranges_(ranges) {}
    std::optional<uint32_t> row(uint64_t ordinal);

  private:
    const std::vector<RecordRange>& ranges_;
    size_t range_ = 0;
    uint32_t before_ = 0;  // atoms in the ranges passed
};

// The text of a structure file with the edited fields of its atoms written in, and every other
// byte as it was: in PDB the columns of the edited fields of the edited atoms' records (a line
// too short for them is padded with blanks), in mmCIF the edited cells of _atom_site. Each
// edited record reads back as the model holds the atom: a value the format can't hold, an
// edited field without a place in the file, or a file that is not as it was read throws
// StructureFileError naming the atom, and nothing is written.
namespace StructurePatch {

struct Source {
    std::string_view text;
    const AtomSite& file;  // what reading the text gave
};

std::string pdb(const Source& source, const EditedFields& edits);
std::string cif(const Source& source, const EditedFields& edits);

}  // namespace StructurePatch
}  // namespace tav::structure
