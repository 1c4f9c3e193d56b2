#include "host/structure/AtomSelector.h"

#include "host/structure/ColumnValues.h"
#include "host/structure/StructureFields.h"

namespace tav::structure {

namespace {

using hostmodel::ModelClass;

const hostmodel::Column* columnOf(const ModelClass& cls, FieldId id) {
    for (const StructureField& f : kStructureFields)
        if (f.id == id) return cls.findColumn(f.property);
    return nullptr;
}

// A yes or no for each distinct text of a column, asked when first met.
template <class Ask>
class CodeAnswers {
  public:
    CodeAnswers(TextColumn texts, Ask ask)
        : texts_(std::move(texts)), ask_(ask), answers_(texts_.texts.size(), kUnknown) {}
    bool operator()(uint32_t row) {
        const uint32_t code = texts_.codes[row];
        int8_t& a = answers_[code];
        if (a == kUnknown) a = ask_(texts_.texts[code]) ? 1 : 0;
        return a == 1;
    }

  private:
    static constexpr int8_t kUnknown = -1;
    TextColumn texts_;
    Ask ask_;
    std::vector<int8_t> answers_;
};

template <class Ask>
CodeAnswers<Ask> answers(TextColumn texts, Ask ask) {
    return CodeAnswers<Ask>(std::move(texts), ask);
}

}  // namespace

std::vector<uint32_t> AtomSelector::select(const Structure& s, const SelectionCriteria& criteria) {
    std::vector<uint32_t> out;
    if (!criteria.model(s.modelName)) return out;
    const StructureLayout& l = s.layout;
    const ModelClass& chains = s.model.classAt(l.classOf(Level::Chain));
    const ModelClass& residues = s.model.classAt(l.classOf(Level::Residue));
    const ModelClass& atoms = s.model.classAt(l.classOf(Level::Atom));

    const TextColumn chainNames =
        ColumnValues::texts(columnOf(chains, FieldId::ChainName), l.count(Level::Chain));
    std::vector<char> chainChosen(l.count(Level::Chain));
    for (uint32_t c = 0; c < chainChosen.size(); ++c)
        chainChosen[c] = criteria.chain(chainNames.at(c));

    const uint32_t nResidues = l.count(Level::Residue);
    const TextColumn names =
        ColumnValues::texts(columnOf(residues, FieldId::ResidueName), nResidues);
    const TextColumn insCodes =
        ColumnValues::texts(columnOf(residues, FieldId::InsCode), nResidues);
    const auto seqNums = ColumnValues::longs(columnOf(residues, FieldId::SeqNum), nResidues);
    const auto residueChains = residues.ownerRows();
    std::vector<char> residueChosen(nResidues);
    for (uint32_t r = 0; r < nResidues; ++r) {
        if (!chainChosen[residueChains[r]]) continue;
        const std::string& ins = insCodes.at(r);
        residueChosen[r] = criteria.residue(names.at(r), seqNums.values[r],
                                            ins.empty() ? ' ' : ins[0], s.entityKinds[r]);
    }

    const uint32_t nAtoms = l.atoms();
    const auto atomResidues = atoms.ownerRows();
    if (criteria.everyAtom()) {
        for (uint32_t a = 0; a < nAtoms; ++a)
            if (residueChosen[atomResidues[a]]) out.push_back(a);
        return out;
    }
    auto name = answers(ColumnValues::texts(columnOf(atoms, FieldId::AtomName), nAtoms),
                        [&](const std::string& t) { return criteria.atomName(t); });
    auto element = answers(ColumnValues::texts(columnOf(atoms, FieldId::Element), nAtoms),
                           [&](const std::string& t) { return criteria.element(t); });
    auto altLoc = answers(ColumnValues::texts(columnOf(atoms, FieldId::AltLoc), nAtoms),
                          [&](const std::string& t) { return criteria.altLoc(t); });
    ColumnValues::Doubles b, q;
    if (criteria.filtersValues()) {
        b = ColumnValues::doubles(columnOf(atoms, FieldId::BFactor), nAtoms);
        q = ColumnValues::doubles(columnOf(atoms, FieldId::Occupancy), nAtoms);
    }
    for (uint32_t a = 0; a < nAtoms; ++a) {
        if (!residueChosen[atomResidues[a]] || !name(a) || !element(a) || !altLoc(a)) continue;
        if (criteria.filtersValues() && !criteria.values(b.values[a], q.values[a])) continue;
        out.push_back(a);
    }
    return out;
}

}  // namespace tav::structure
