#pragma once
#include "host/model/Model.h"
#include "host/structure/StructureLayout.h"
#include "host/structure/gemmi/AtomSite.h"

namespace tav::structure {

// A structure as its model holds it now (the file's chains, residues and atoms with their
// values today), with what the file gave besides (model name, residue kinds, cell): what a file
// of the other format is written from. A number field that holds no number throws
// StructureFileError naming the object.
AtomSite modelAtomSite(const hostmodel::Model& model, const StructureLayout& layout,
                       const AtomSite& read);

}  // namespace tav::structure
