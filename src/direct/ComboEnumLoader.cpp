#include "direct/ComboEnumLoader.h"

#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "util/Utils.h"

namespace tav {

namespace T = ComboEnumLoaderText;

namespace {

// Every occurrence of `from` (not empty) replaced by `to`, left to right.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(s.size());
    size_t pos = 0;
    for (size_t hit = s.find(from); hit != std::string_view::npos; hit = s.find(from, pos)) {
        out.append(s.substr(pos, hit - pos)).append(to);
        pos = hit + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

[[noreturn]] void fail(int32_t number, std::string_view source, std::string description) {
    throw AutomationError(number, std::string(source), std::move(description));
}

EnumDataItem* itemOf(const Variant* entry) {
    return entry ? static_cast<EnumDataItem*>(entry->object()) : nullptr;
}

}  // namespace

ComboEnumLoader::ComboEnumLoader() : itemsByValue_(makeRef<Dictionary>()), itemsByRawName_(makeRef<Dictionary>()) {}

std::string ComboEnumLoader::munge(std::string_view raw) const {
    std::string_view s = raw;
    if (!RemoveEnumPrefix.empty()) {
        if (!s.starts_with(RemoveEnumPrefix))
            fail(err::EnumPrefixMissing, T::ErrSource,
                 std::string(T::PrefixMissingHead).append(s).append(T::PrefixMissingMiddle).append(RemoveEnumPrefix));
        s.remove_prefix(RemoveEnumPrefix.size());
    }
    if (ReplaceUnderscores.empty()) return std::string(s);
    return replaceAll(s, T::Underscore, ReplaceUnderscores);
}

std::string ComboEnumLoader::unMunge(std::string_view display) const {
    std::string out = RemoveEnumPrefix;
    if (ReplaceUnderscores.empty()) return out.append(display);
    return out.append(replaceAll(display, ReplaceUnderscores, T::Underscore));
}

EnumDataItem* ComboEnumLoader::itemByValue(const Variant& value) const {
    return itemOf(itemsByValue_->find(value));
}

EnumDataItem* ComboEnumLoader::itemByRawName(std::string_view raw) const {
    return itemOf(itemsByRawName_->find(Variant(raw)));
}

void ComboEnumLoader::followSettings() const {
    if (foundWithPrefix_ == RemoveEnumPrefix && foundWithUnderscores_ == ReplaceUnderscores) return;
    foundByDisplay_.clear();
    listBox_.reset();
    foundWithPrefix_ = RemoveEnumPrefix;
    foundWithUnderscores_ = ReplaceUnderscores;
}

EnumDataItem& ComboEnumLoader::itemByDisplayString(std::string_view display) const {
    followSettings();
    if (const auto known = foundByDisplay_.find(display); known != foundByDisplay_.end()) return *known->second;
    const std::string raw = unMunge(display);
    EnumDataItem* item = itemByRawName(raw);
    if (!item) fail(err::InvalidProcedureCall, T::ErrSource, std::string(T::NotFoundForRawName).append(raw));
    foundByDisplay_.emplace(display, item);
    return *item;
}

iTAVComboBox& ComboEnumLoader::combo() const {
    if (!ComboControl) throwError(err::ObjectNotSet);
    return *ComboControl;
}

void ComboEnumLoader::AppendEnumItem(std::string_view strRawEnumName, const Variant& vEnumValue, bool bSuppressed) {
    if (vEnumValue.isObject()) fail(err::InvalidProcedureCall, {}, std::string(T::ObjectValue));
    if (vEnumValue.isArray()) fail(err::InvalidProcedureCall, {}, std::string(T::ArrayValue));
    if (unMunge(munge(strRawEnumName)) != strRawEnumName)
        fail(err::InvalidProcedureCall, {},
             std::string(T::RoundTripHead).append(strRawEnumName).append(T::RoundTripTail));

    Ref<EnumDataItem> item = makeRef<EnumDataItem>();
    item->EnumRawName = strRawEnumName;
    item->EnumValue = vEnumValue;
    item->IsSuppressed = bSuppressed;
    item->ItemInsertPos = nextInsertPos_;
    // The position counts even when a dictionary below refuses the item as a duplicate.
    if (!bSuppressed) ++nextInsertPos_;

    const Variant entry(item);
    itemsByValue_->Add(vEnumValue, entry);
    itemsByRawName_->Add(Variant(strRawEnumName), entry);
}

void ComboEnumLoader::SetEnumSuppressionByValues(const Variant& anSupressedEnumValues) {
    for (const auto& [key, entry] : itemsByValue_->entries()) itemOf(&entry)->IsSuppressed = false;
    if (!Utils::ArrayHasContent(anSupressedEnumValues)) return;
    const SafeArray& values = anSupressedEnumValues.array();
    for (int32_t i = values.lbound(); i <= values.ubound(); ++i) {
        const int32_t value = CLng(values.at({i}));
        EnumDataItem* item = itemByValue(Variant::I4(value));
        if (!item) fail(err::InvalidProcedureCall, T::ErrSource, std::string(T::NotFoundForValue).append(std::to_string(value)));
        item->IsSuppressed = true;
    }
}

void ComboEnumLoader::RemoveAllEnumItems() {
    itemsByValue_ = makeRef<Dictionary>();
    itemsByRawName_ = makeRef<Dictionary>();
    nextInsertPos_ = 0;
    foundByDisplay_.clear();
    listBox_.reset();
}

Variant ComboEnumLoader::ClearAndLoadComboWithNormalItems() {
    iTAVComboBox& box = combo();
    followSettings();
    listBox_.reset();
    box.Clear();
    listItems_.clear();
    for (const auto& [key, entry] : itemsByRawName_->entries()) {
        EnumDataItem* item = itemOf(&entry);
        if (item->IsSuppressed) continue;
        box.AddItem(munge(item->EnumRawName), missingArg());
        listItems_.push_back(item);
    }
    rememberList();
    return Utils::EmptyVariant();
}

bool ComboEnumLoader::listKnown(const iTAVComboBox& box) const {
    followSettings();
    return listBox_.get() == &box && listRevision_ == box.ListRevision();
}

// Holds the box, so that a later box at the same address is not taken for it.
void ComboEnumLoader::rememberList() {
    listBox_ = ComboControl;
    listRevision_ = ComboControl->ListRevision();
}

bool ComboEnumLoader::isShownAs(const EnumDataItem& item, std::string_view entry) const {
    return item.EnumRawName.starts_with(RemoveEnumPrefix) && munge(item.EnumRawName) == entry;
}

void ComboEnumLoader::showInList(iTAVComboBox& box, EnumDataItem& item, const std::string& text) {
    const bool known = listKnown(box);
    listBox_.reset();  // unknown until the list is as recorded again
    bool found = false;
    const auto addIfMissing = [&] {
        if (found) return int32_t{-1};
        const int32_t at = Utils::MinLong(item.ItemInsertPos, box.ListCount());
        box.AddItem(text, Variant::I4(at));
        return at;
    };
    // Both ways go from the end, so that removing an entry does not move the ones still to be
    // looked at.
    if (known) {
        for (size_t i = listItems_.size(); i-- > 0;) {
            if (listItems_[i] == &item) {
                found = true;
            } else if (listItems_[i]->IsSuppressed) {
                box.RemoveItem(static_cast<int16_t>(i));
                listItems_.erase(listItems_.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    } else {
        // Read the texts. The list can be remembered when every entry kept is exactly its
        // item's munged name.
        std::vector<EnumDataItem*> keptFromEnd;
        bool exact = true;
        for (int16_t i = static_cast<int16_t>(box.ListCount() - 1); i >= 0; --i) {
            const std::string entry = box.List(i);
            if (entry == text) {
                found = true;
                keptFromEnd.push_back(&item);
                continue;
            }
            EnumDataItem& other = itemByDisplayString(entry);
            if (other.IsSuppressed) {
                box.RemoveItem(i);
            } else {
                keptFromEnd.push_back(&other);
                exact = exact && isShownAs(other, entry);
            }
        }
        if (!exact) {
            addIfMissing();
            return;
        }
        listItems_.assign(keptFromEnd.rbegin(), keptFromEnd.rend());
    }
    if (const int32_t at = addIfMissing(); at >= 0)
        listItems_.insert(listItems_.begin() + at, &item);
    rememberList();
}

std::string ComboEnumLoader::PrepareComboToShowValue(const Variant& TheValue) {
    EnumDataItem* item = itemByValue(TheValue);
    if (!item) fail(err::InvalidProcedureCall, T::ErrSource, std::string(T::NotFoundForEnumValue));
    std::string text = munge(item->EnumRawName);
    if (!ComboControl) return text;

    showInList(*ComboControl, *item, text);
    return text;
}

Variant ComboEnumLoader::GetEnumValueFromCombo() {
    iTAVComboBox& box = combo();
    if (box.ListIndex() < 0) return Utils::EmptyVariant();
    return GetEnumValueFromDisplayString(box.Text());
}

Variant ComboEnumLoader::GetEnumValueFromDisplayString(std::string_view strPrettyEnumName) {
    return itemByDisplayString(strPrettyEnumName).EnumValue;
}

}  // namespace tav
