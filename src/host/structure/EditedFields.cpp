#include "host/structure/EditedFields.h"

#include <vector>

namespace tav::structure {

using hostmodel::ModelClass;

EditedFields::EditedFields(const hostmodel::Model& model, const StructureLayout& layout)
    : layout_(layout) {
    atomResidues_ = model.classAt(layout.classOf(Level::Atom)).ownerRows();
    residueChains_ = model.classAt(layout.classOf(Level::Residue)).ownerRows();
    for (size_t i = 0; i < kStructureFields.size(); ++i) {
        const StructureField& f = kStructureFields[i];
        const ModelClass& cls = model.classAt(layout.classOf(f.level));
        columns_[i] = cls.findColumn(f.property);
        const hostmodel::Column* before = cls.original(f.property);
        if (!before) continue;
        // A column with an original has been written to, so it is there.
        columns_[i]->markDifferences(*before, layout.count(f.level), fields_[i]);
        any_[i] = !fields_[i].empty();
    }
    std::vector<size_t> edited;
    for (size_t i = 0; i < kStructureFields.size(); ++i)
        if (any_[i]) edited.push_back(i);
    if (edited.empty()) return;
    for (uint32_t a = 0; a < layout.atoms(); ++a) {
        bool changed = false;
        for (size_t i : edited)
            changed = changed || fields_[i].test(rowOf(kStructureFields[i].level, a));
        if (changed) {
            atoms_.set(a, true);
            ++changedAtoms_;
        }
    }
}

size_t EditedFields::index(const StructureField& f) {
    return static_cast<size_t>(&f - kStructureFields.data());
}

uint32_t EditedFields::rowOf(Level level, uint32_t atom) const {
    switch (level) {
        case Level::Atom:
            return atom;
        case Level::Residue:
            return atomResidues_[atom];
        case Level::Chain:
            return residueChains_[atomResidues_[atom]];
    }
    return atom;
}

bool EditedFields::changed(const StructureField& field, uint32_t atom) const {
    const size_t i = index(field);
    return any_[i] && fields_[i].test(rowOf(field.level, atom));
}

std::optional<uint32_t> EditedFields::firstChanged(const StructureField& field) const {
    if (!anyChanged(field)) return std::nullopt;
    for (uint32_t a = 0; a < layout_.atoms(); ++a)
        if (changed(field, a)) return a;
    return std::nullopt;
}

Variant EditedFields::value(const StructureField& field, uint32_t atom) const {
    const hostmodel::Column* c = columns_[index(field)];
    return c ? c->get(rowOf(field.level, atom)) : Variant();
}

std::string EditedFields::element(uint32_t atom) const {
    for (const StructureField& f : kStructureFields)
        if (f.id == FieldId::Element) {
            const Variant v = value(f, atom);
            return v.isString() ? std::string(v.str()) : std::string();
        }
    return {};
}

}  // namespace tav::structure
