#include "automation/objects/Collection.h"

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/objects/VariantEnumerator.h"

namespace tav {

namespace {

std::string fold(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = foldAscii(c);
    return out;
}

bool isNumber(VarType t) {
    switch (t) {
        case VarType::I2: case VarType::I4: case VarType::UI1: case VarType::R4: case VarType::R8:
        case VarType::Currency: case VarType::Bool: case VarType::Date:
            return true;
        default:
            return false;
    }
}

}  // namespace

ClassDesc Collection::describe() {
    using C = Collection;
    return ClassDesc("Collection", "An ordered collection with optional text keys.")
        .add(method<&C::Add>("Add", {"Item", opt("Key"), opt("Before"), opt("After")}, "Adds an item."))
        .add(property<&C::Item>("Item", {"Index"}, "An item by key or 1-based position.").withId(DispIdValue))
        .add(method<&C::Remove>("Remove", {"Index"}, "Removes an item by key or 1-based position."))
        .add(property<&C::Count>("Count", "The number of items."))
        .add(property<&C::NewEnum>("_NewEnum").withId(DispIdNewEnum).hide());
}

size_t Collection::positionOf(const Variant& index) const {
    if (index.isString()) {
        auto it = byKey_.find(fold(index.str()));
        if (it == byKey_.end()) throwError(err::InvalidProcedureCall);
        return it->second;
    }
    if (!isNumber(index.type())) throwTypeMismatch();
    const int32_t n = changeType(index, VarType::I4).i4();
    if (n < 1 || n > Count()) throwError(err::SubscriptOutOfRange);
    return static_cast<size_t>(n - 1);
}

void Collection::Add(const Variant& NewItem, const Variant& Key, const Variant& Before, const Variant& After) {
    Entry e{NewItem, {}, false};
    if (!isMissing(Key)) {
        if (!Key.isString()) throwTypeMismatch();
        e.folded = fold(Key.str());
        e.hasKey = true;
        if (byKey_.count(e.folded)) throwError(err::KeyAlreadyExists);
    }
    const bool before = !isMissing(Before);
    const bool after = !isMissing(After);
    if (before && after) throwError(err::InvalidProcedureCall);
    size_t at = items_.size();
    if (before) at = positionOf(Before);
    if (after) at = positionOf(After) + 1;
    const bool appending = at == items_.size();
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(e));
    // Appending moves no other item, so only the new key needs indexing: filling a large
    // collection stays linear.
    if (!appending) reindex();
    else if (items_.back().hasKey) byKey_.emplace(items_.back().folded, at);
}

Variant Collection::Item(const Variant& Index) const { return items_[positionOf(Index)].item; }

void Collection::Remove(const Variant& Index) {
    const size_t pos = positionOf(Index);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(pos));
    reindex();
}

void Collection::clear() {
    items_.clear();
    byKey_.clear();
}

void Collection::reindex() {
    byKey_.clear();
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].hasKey) byKey_.emplace(items_[i].folded, i);
}

Ref<Object> Collection::NewEnum() const {
    std::vector<Variant> snapshot;
    snapshot.reserve(items_.size());
    for (const auto& e : items_) snapshot.push_back(e.item);
    return makeRef<VariantEnumerator>(std::move(snapshot));
}

}  // namespace tav
