#include "automation/objects/Dictionary.h"

#include <cmath>
#include <functional>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/objects/VariantEnumerator.h"

namespace tav {

ClassDesc Dictionary::describe() {
    using C = Dictionary;
    return ClassDesc("Dictionary", "Insertion-ordered keys and items.")
        .add(method<&C::Add>("Add", {"Key", "Item"}, "Adds a key and its item."))
        .add(method<&C::Exists>("Exists", {"Key"}, "Whether the key is present."))
        .add(property<&C::Item, &C::LetItem, &C::LetItem>("Item", {"Key"}, "The item of a key.").withId(DispIdValue))
        .add(method<&C::Remove>("Remove", {"Key"}, "Removes a key and its item."))
        .add(method<&C::RemoveAll>("RemoveAll", {}, "Removes everything."))
        .add(property<&C::Count>("Count", "The number of keys."))
        .add(method<&C::Keys>("Keys", {}, "The keys, in insertion order."))
        .add(method<&C::Items>("Items", {}, "The items, in insertion order."))
        .add(property<&C::NewEnum>("_NewEnum").withId(DispIdNewEnum).hide());
}

bool Dictionary::KeyView::operator==(const KeyView& o) const {
    if (kind != o.kind) return false;
    switch (kind) {
        case Number: return number == o.number || (std::isnan(number) && std::isnan(o.number));
        case Text: return text == o.text;
        case ObjectRef: return object == o.object;
        case ErrorCode: return code == o.code;
        default: return true;
    }
}

size_t Dictionary::KeyHash::operator()(const KeyView& k) const {
    switch (k.kind) {
        case KeyView::Number: return std::isnan(k.number) ? 0 : std::hash<double>()(k.number + 0.0);  // -0 == 0
        case KeyView::Text: return std::hash<std::string_view>()(k.text);
        case KeyView::ObjectRef: return std::hash<const void*>()(k.object);
        case KeyView::ErrorCode: return std::hash<int32_t>()(k.code);
        default: return k.kind;
    }
}

Dictionary::KeyView Dictionary::view(const Variant& key) {
    KeyView k;
    k.kind = KeyView::Empty;
    switch (key.type()) {
        case VarType::Empty: break;
        case VarType::Null: k.kind = KeyView::Null; break;
        case VarType::String:
            k.kind = KeyView::Text;
            k.text = key.str();
            break;
        case VarType::Object:
            k.kind = KeyView::ObjectRef;
            k.object = key.object();
            break;
        case VarType::Error:
            k.kind = KeyView::ErrorCode;
            k.code = key.error();
            break;
        case VarType::I2: case VarType::I4: case VarType::UI1: case VarType::R4: case VarType::R8:
        case VarType::Currency: case VarType::Bool: case VarType::Date:
            k.kind = KeyView::Number;
            k.number = changeType(key, VarType::R8).r8();
            break;
        default: throwTypeMismatch();  // arrays
    }
    return k;
}

void Dictionary::Add(const Variant& Key, const Variant& Item) {
    const KeyView probe = view(Key);
    if (index_.count(probe)) throwError(err::KeyAlreadyExists);
    entries_.emplace_back(Key, Item);
    index_.emplace(view(entries_.back().first), entries_.size() - 1);
}

bool Dictionary::Exists(const Variant& Key) const { return find(Key) != nullptr; }

const Variant* Dictionary::find(const Variant& key) const {
    auto it = index_.find(view(key));
    return it == index_.end() ? nullptr : &entries_[it->second].second;
}

Variant Dictionary::Item(const Variant& Key) {
    if (const Variant* v = find(Key)) return *v;
    Add(Key, Variant());
    return Variant();
}

void Dictionary::LetItem(const Variant& Key, const Variant& NewItem) {
    auto it = index_.find(view(Key));
    if (it == index_.end())
        Add(Key, NewItem);
    else
        entries_[it->second].second = NewItem;
}

void Dictionary::Remove(const Variant& Key) {
    auto it = index_.find(view(Key));
    if (it == index_.end()) throwError(err::ElementNotFound);
    const size_t pos = it->second;
    index_.erase(it);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(pos));
    reindexFrom(pos);
}

void Dictionary::reindexFrom(size_t first) {
    // Entries after the removed one moved down by one; their text views still point at the
    // same strings, only their positions changed.
    for (size_t i = first; i < entries_.size(); ++i) index_[view(entries_[i].first)] = i;
}

void Dictionary::RemoveAll() {
    index_.clear();
    entries_.clear();
}

SafeArray Dictionary::Keys() const {
    std::vector<Variant> out;
    out.reserve(entries_.size());
    for (const auto& e : entries_) out.push_back(e.first);
    return SafeArray::vector(std::move(out));
}

SafeArray Dictionary::Items() const {
    std::vector<Variant> out;
    out.reserve(entries_.size());
    for (const auto& e : entries_) out.push_back(e.second);
    return SafeArray::vector(std::move(out));
}

Ref<Object> Dictionary::NewEnum() const {
    std::vector<Variant> keys;
    for (const auto& e : entries_) keys.push_back(e.first);
    return makeRef<VariantEnumerator>(std::move(keys));
}

}  // namespace tav
