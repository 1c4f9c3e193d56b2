#include "host/structure/gemmi/StructureWriter.h"

#include "host/structure/gemmi/Residues.h"

#include <gemmi/polyheur.hpp>
#include <gemmi/to_cif.hpp>
#include <gemmi/to_mmcif.hpp>
#include <gemmi/to_pdb.hpp>

#include <sstream>
#include <string_view>

namespace tav::structure::writers {

namespace {

gemmi::Structure structureOf(const AtomSite& site, const std::string& name) {
    gemmi::Structure st;
    st.name = name;
    if (site.crystal.known) {
        const Crystal& c = site.crystal;
        // A cell the file read gives but gemmi can't take (an angle of 0 or 180 degrees) is
        // refused, not written as another.
        try {
            st.cell.set(c.a, c.b, c.c, c.alpha, c.beta, c.gamma);
        } catch (const std::exception& e) {
            throw StructureFileError(std::string(StructureFileText::BadCell) + e.what());
        }
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

// gemmi writes an altloc and an insertion code as the bare character, which a reader takes
// otherwise where it is a blank, a quote, a '#', '?' or '.', or beyond ASCII (the table then
// has the wrong number of values, or the atom loses its code): such a character is quoted.
void quoteCharacters(gemmi::cif::Document& doc, const gemmi::Structure& st) {
    gemmi::cif::Block& block = doc.blocks.at(0);
    gemmi::cif::Column alt = block.find_loop("_atom_site.label_alt_id");
    gemmi::cif::Column ins = block.find_loop("_atom_site.pdbx_PDB_ins_code");
    const auto quoted = [](char c, char none) {
        return c ? gemmi::cif::quote(std::string(1, c)) : std::string(1, none);
    };
    int row = 0;
    for (const gemmi::Chain& chain : st.models.at(0).chains)
        for (const gemmi::Residue& res : chain.residues)
            for (const gemmi::Atom& atom : res.atoms) {
                if (alt) alt[row] = quoted(atom.altloc, '.');
                if (ins) ins[row] = quoted(res.seqid.has_icode() ? res.seqid.icode : '\0', '?');
                ++row;
            }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool startsWithWord(const std::string& v, std::string_view word) {
    if (v.size() < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if ((v[i] | 0x20) != word[i]) return false;
    return true;
}

// Whether a value as gemmi put it into the document reads back as one value: bare (printable
// ASCII, not starting as a tag, comment, quote or reserved word would), quoted (no line end,
// and the quote inside followed by no blank or #, which would end it), or a text field.
bool standsAlone(const std::string& v) {
    if (v.empty()) return false;
    const char q = v.front();
    if (q == '\'' || q == '"') {
        if (v.size() < 2 || v.back() != q) return false;
        for (size_t i = 1; i + 1 < v.size(); ++i) {
            if (v[i] == '\n' || v[i] == '\r') return false;
            if (v[i] == q && (isBlank(v[i + 1]) || v[i + 1] == '#')) return false;
        }
        return true;
    }
    if (q == ';') {
        const size_t end = v.find("\n;");
        return end != std::string::npos && end + 2 == v.size();
    }
    if (std::string_view("_#$[]").find(q) != std::string_view::npos) return false;
    for (char c : v)
        if (c <= ' ' || c > '~') return false;
    for (std::string_view word : {"data_", "save_"})
        if (startsWithWord(v, word)) return false;
    for (std::string_view word : {"loop_", "global_", "stop_"})
        if (v.size() == word.size() && startsWithWord(v, word)) return false;
    return true;
}

// gemmi writes some texts bare (subchain names made from a chain's name, among them), which
// breaks the table where one holds a blank or starts with a '$': each such value is quoted,
// and one that no quoting holds is refused.
void quoteValues(gemmi::cif::Block& block) {
    const auto fix = [](std::string& v) {
        if (standsAlone(v)) return;
        v = gemmi::cif::quote(v);
        if (!standsAlone(v))
            throw StructureFileError(std::string(StructureFileText::NotCifValue) + v);
    };
    for (gemmi::cif::Item& item : block.items) {
        if (item.type == gemmi::cif::ItemType::Pair) fix(item.pair[1]);
        if (item.type == gemmi::cif::ItemType::Loop)
            for (std::string& v : item.loop.values) fix(v);
    }
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
            gemmi::cif::Document doc = gemmi::make_mmcif_document(st);
            quoteCharacters(doc, st);
            quoteValues(doc.blocks.at(0));
            gemmi::cif::write_cif_to_stream(os, doc, gemmi::cif::Style::Pdbx);
        }
    } catch (const std::exception& e) {
        throw StructureFileError(e.what());
    }
    return os.str();
}

}  // namespace tav::structure::writers
