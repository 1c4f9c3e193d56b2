#include "host/structure/gemmi/AtomSiteBuilder.h"

namespace tav::structure {

void AtomSiteBuilder::reserve(size_t atoms) {
    for (TextColumnBuilder* b : {&atomNames, &elements, &altLocs}) b->reserve(atoms);
    for (auto* v : {&site.serials, &site.charges}) v->reserve(atoms);
    for (auto* v : {&site.bFactors, &site.occupancies, &site.xs, &site.ys, &site.zs})
        v->reserve(atoms);
    site.atomResidues.reserve(atoms);
}

void AtomSiteBuilder::finishColumns() {
    site.atomNames = atomNames.finish();
    site.elements = elements.finish();
    site.altLocs = altLocs.finish();
    site.residueNames = residueNames.finish();
    site.insCodes = insCodes.finish();
    site.chainNames = chainNames.finish();
    for (auto* v : {&site.serials, &site.charges}) v->shrink_to_fit();
    for (auto* v : {&site.bFactors, &site.occupancies, &site.xs, &site.ys, &site.zs})
        v->shrink_to_fit();
    site.atomResidues.shrink_to_fit();
}

}  // namespace tav::structure
