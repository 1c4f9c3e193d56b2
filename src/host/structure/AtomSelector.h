#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "host/model/Model.h"
#include "host/structure/StructureLayout.h"
#include "host/structure/gemmi/AtomSite.h"
#include "host/structure/gemmi/SelectionCriteria.h"

namespace tav::structure {

// The atoms of a structure that a selection picks, by row in file order, judged on the model's
// values as they are now (an edited B-factor is selected by its new value). Chains and residues
// are asked once each; atoms only when the selection names atoms, elements, altlocs or filters
// values, and then each distinct name, element or altloc once.
class AtomSelector {
  public:
    struct Structure {
        const hostmodel::Model& model;
        const StructureLayout& layout;
        const std::string& modelName;
        const std::vector<EntityKind>& entityKinds;
    };

    static std::vector<uint32_t> select(const Structure& s, const SelectionCriteria& criteria);
};

}  // namespace tav::structure
