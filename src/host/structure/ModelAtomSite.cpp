#include "host/structure/ModelAtomSite.h"

#include "automation/values/TypedLiteral.h"
#include "host/structure/ColumnValues.h"

namespace tav::structure {

namespace {

namespace T = StructureText;

constexpr std::string_view kLevelWords[] = {T::ChainWord, T::ResidueWord, T::AtomWord};

const hostmodel::Column* columnOf(const hostmodel::Model& model, const StructureLayout& layout,
                                  const StructureField& f) {
    return model.classAt(layout.classOf(f.level)).findColumn(f.property);
}

// The numbers, or an error naming the first object whose value is none.
template <class Values>
auto checked(Values v, const hostmodel::Column* c, const StructureField& f) {
    if (v.bad)
        throw StructureFileError(std::string(kLevelWords[static_cast<int>(f.level)]) +
                                 std::to_string(*v.bad + 1) + std::string(T::PathSeparator) +
                                 "the " + std::string(f.what) + std::string(T::NotANumber) +
                                 literal::print(c ? c->get(*v.bad) : Variant()));
    return std::move(v.values);
}

}  // namespace

AtomSite modelAtomSite(const hostmodel::Model& model, const StructureLayout& layout,
                       const AtomSite& read) {
    AtomSite site;
    site.format = read.format;
    site.modelName = read.modelName;
    site.crystal = read.crystal;
    site.entityKinds = read.entityKinds;
    site.hetFlags = read.hetFlags;
    site.residueChains.assign(model.classAt(layout.classOf(Level::Residue)).ownerRows().begin(),
                              model.classAt(layout.classOf(Level::Residue)).ownerRows().end());
    site.atomResidues.assign(model.classAt(layout.classOf(Level::Atom)).ownerRows().begin(),
                             model.classAt(layout.classOf(Level::Atom)).ownerRows().end());
    site.residueChains.resize(layout.count(Level::Residue));
    site.atomResidues.resize(layout.atoms());
    for (const StructureField& f : kStructureFields) {
        const hostmodel::Column* c = columnOf(model, layout, f);
        const uint32_t n = layout.count(f.level);
        switch (f.id) {
            case FieldId::AtomName:
                site.atomNames = ColumnValues::texts(c, n);
                break;
            case FieldId::Element:
                site.elements = ColumnValues::texts(c, n);
                break;
            case FieldId::AltLoc:
                site.altLocs = ColumnValues::texts(c, n);
                break;
            case FieldId::ResidueName:
                site.residueNames = ColumnValues::texts(c, n);
                break;
            case FieldId::InsCode:
                site.insCodes = ColumnValues::texts(c, n);
                break;
            case FieldId::ChainName:
                site.chainNames = ColumnValues::texts(c, n);
                break;
            case FieldId::Serial:
                site.serials = checked(ColumnValues::longs(c, n), c, f);
                break;
            case FieldId::Charge:
                site.charges = checked(ColumnValues::longs(c, n), c, f);
                break;
            case FieldId::SeqNum:
                site.seqNums = checked(ColumnValues::longs(c, n), c, f);
                break;
            case FieldId::BFactor:
                site.bFactors = checked(ColumnValues::doubles(c, n), c, f);
                break;
            case FieldId::Occupancy:
                site.occupancies = checked(ColumnValues::doubles(c, n), c, f);
                break;
            case FieldId::X:
                site.xs = checked(ColumnValues::doubles(c, n), c, f);
                break;
            case FieldId::Y:
                site.ys = checked(ColumnValues::doubles(c, n), c, f);
                break;
            case FieldId::Z:
                site.zs = checked(ColumnValues::doubles(c, n), c, f);
                break;
        }
    }
    return site;
}

}  // namespace tav::structure
