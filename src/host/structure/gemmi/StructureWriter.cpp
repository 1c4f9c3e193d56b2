#include "host/structure/gemmi/StructureWriter.h"

#include "host/structure/gemmi/Residues.h"

#include <gemmi/polyheur.hpp>
#include <gemmi/to_cif.hpp>
#include <gemmi/to_mmcif.hpp>
#include <gemmi/to_pdb.hpp>

#include <sstream>

namespace tav::structure::writers {

namespace {

gemmi::Structure structureOf(const AtomSite& site, const std::string& name) {
    gemmi::Structure st;
    st.name = name;
    if (site.crystal.known) {
        const Crystal& c = site.crystal;
        st.cell.set(c.a, c.b, c.c, c.alpha, c.beta, c.gamma);
        st.spacegroup_hm = c.spaceGroup;
    }
    st.models.emplace_back(site.modelName);
    gemmi::Model& model = st.models.back();
    size_t atom = 0;
    for (size_t r = 0; r < site.residueCount(); ++r) {
        const uint32_t c = site.residueChains[r];
        if (r == 0 || c != site.residueChains[r - 1])
            model.chains.emplace_back(site.chainNames.at(c));
        const std::string& ins = site.insCodes.at(r);
        gemmi::Residue res(
            gemmi::ResidueId{gemmi::SeqId(site.seqNums[r], ins.empty() ? ' ' : ins[0]),
                             {},
                             site.residueNames.at(r)});
        res.het_flag = site.hetFlags[r];
        res.entity_type = static_cast<gemmi::EntityType>(site.entityKinds[r]);
        for (; atom < site.atomCount() && site.atomResidues[atom] == r; ++atom) {
            gemmi::Atom a;
            a.name = site.atomNames.at(atom);
            const std::string& alt = site.altLocs.at(atom);
            a.altloc = alt.empty() ? '\0' : alt[0];
            a.charge = static_cast<signed char>(site.charges[atom]);
            a.element = gemmi::Element(site.elements.at(atom));
            a.serial = site.serials[atom];
            a.pos = gemmi::Position(site.xs[atom], site.ys[atom], site.zs[atom]);
            a.occ = static_cast<float>(site.occupancies[atom]);
            a.b_iso = static_cast<float>(site.bFactors[atom]);
            res.atoms.push_back(std::move(a));
        }
        model.chains.back().residues.push_back(std::move(res));
    }
    return st;
}

}  // namespace

std::string writeFile(const AtomSite& site, StructureFormat format, const std::string& name) {
    // Residue names are ASCII in both formats (and gemmi's tables need them so).
    for (const std::string& residue : site.residueNames.texts)
        if (!isAscii(residue))
            throw StructureFileError(std::string(StructureFileText::NotAscii) + residue);
    gemmi::Structure st = structureOf(site, name);
    std::ostringstream os;
    try {
        if (format == StructureFormat::Pdb) {
            gemmi::write_minimal_pdb(st, os);
        } else {
            gemmi::setup_entities(st);
            gemmi::cif::write_cif_to_stream(os, gemmi::make_mmcif_document(st),
                                            gemmi::cif::Style::Pdbx);
        }
    } catch (const std::exception& e) {
        throw StructureFileError(e.what());
    }
    return os.str();
}

}  // namespace tav::structure::writers
