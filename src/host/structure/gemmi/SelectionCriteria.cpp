#include "host/structure/gemmi/SelectionCriteria.h"

#include <gemmi/select.hpp>

#include <climits>

#include "host/structure/gemmi/StructureFileText.h"

namespace tav::structure {

namespace T = StructureFileText;

namespace {

constexpr char kFieldSeparator = '/';
constexpr char kFilterSeparator = ';';
constexpr char kRange = '-';

// Where the residue field stands among the '/'-separated fields, by how many leading fields
// the text leaves out (gemmi's determine_omitted_cid_fields): none, the model, model and chain;
// -1 when it starts at the atoms.
int residueField(int omitted) {
    switch (omitted) {
        case 0:
            return 3;  // "/model/chain/residues/atoms"
        case 1:
            return 1;  // "chain/residues/atoms"
        case 2:
            return 0;  // "residues/atoms"
        default:
            return -1;
    }
}

// At most so much of a selection in a message.
std::string quoted(const std::string& text) {
    if (text.size() <= T::MaxQuoted) return text;
    return text.substr(0, T::MaxQuoted) + T::Ellipsis;
}

// A residue number without a range ("//A/50") is that residue alone.
void mendBareResidue(const std::string& text, gemmi::Selection& sel) {
    if (sel.from_seqid.seqnum == INT_MIN || sel.to_seqid.seqnum != INT_MAX) return;
    const int field = residueField(gemmi::impl::determine_omitted_cid_fields(text));
    if (field < 0) return;
    const std::string head = text.substr(0, text.find(kFilterSeparator));
    size_t start = 0;
    for (int i = 0; i < field; ++i) {
        start = head.find(kFieldSeparator, start);
        if (start == std::string::npos) return;
        ++start;
    }
    const std::string residues = head.substr(start, head.find(kFieldSeparator, start) - start);
    if (residues.find(kRange) == std::string::npos) sel.to_seqid = sel.from_seqid;
}

}  // namespace

struct SelectionCriteria::Impl {
    gemmi::Selection sel;
    mutable gemmi::Residue residue{gemmi::ResidueId{}};
};

SelectionCriteria::SelectionCriteria(const std::string& text) : impl_(std::make_unique<Impl>()) {
    try {
        if (!text.empty()) gemmi::impl::parse_cid(text, impl_->sel);
        if (!text.empty()) mendBareResidue(text, impl_->sel);
    } catch (const std::exception& e) {
        // gemmi ends its message with the whole selection, which ours quotes already.
        std::string why = e.what();
        const std::string tail = ": " + text;
        if (why.size() >= tail.size() &&
            why.compare(why.size() - tail.size(), tail.size(), tail) == 0)
            why.resize(why.size() - tail.size());
        throw StructureFileError(std::string(T::BadSelection) + quoted(text) + T::SelectionEnd +
                                 why);
    }
}

SelectionCriteria::~SelectionCriteria() = default;
SelectionCriteria::SelectionCriteria(SelectionCriteria&&) noexcept = default;
SelectionCriteria& SelectionCriteria::operator=(SelectionCriteria&&) noexcept = default;

bool SelectionCriteria::model(const std::string& name) const {
    return impl_->sel.mdl == 0 || std::to_string(impl_->sel.mdl) == name;
}

bool SelectionCriteria::chain(const std::string& name) const {
    return impl_->sel.chain_ids.has(name);
}

bool SelectionCriteria::residue(const std::string& name, int seqNum, char icode,
                                EntityKind kind) const {
    gemmi::Residue& r = impl_->residue;
    r.name = name;
    r.seqid = gemmi::SeqId(seqNum, icode);
    r.entity_type = static_cast<gemmi::EntityType>(kind);
    return impl_->sel.matches(r);
}

bool SelectionCriteria::everyAtom() const {
    const gemmi::Selection& s = impl_->sel;
    return s.atom_names.all && s.elements.empty() && s.altlocs.all &&
           s.atom_flags.pattern.empty() && s.atom_inequalities.empty();
}

bool SelectionCriteria::atomName(const std::string& name) const {
    return impl_->sel.atom_names.has(name);
}

bool SelectionCriteria::element(const std::string& symbol) const {
    const std::vector<char>& elements = impl_->sel.elements;
    return elements.empty() || elements[gemmi::Element(symbol).ordinal()];
}

bool SelectionCriteria::altLoc(const std::string& altLoc) const {
    const gemmi::Selection& s = impl_->sel;
    return s.altlocs.all || s.altlocs.has(altLoc);
}

bool SelectionCriteria::filtersValues() const {
    return !impl_->sel.atom_inequalities.empty();
}

bool SelectionCriteria::values(double bFactor, double occupancy) const {
    for (const gemmi::Selection::AtomInequality& i : impl_->sel.atom_inequalities) {
        const double v = i.property == 'q' ? occupancy : bFactor;
        const bool ok = i.relation < 0 ? v < i.value : i.relation > 0 ? v > i.value : v == i.value;
        if (!ok) return false;
    }
    return true;
}

}  // namespace tav::structure
