#include "host/controls/ComboBox.h"

#include <algorithm>
#include <limits>

#include "automation/conversions/Conversions.h"
#include "host/controls/ControlText.h"

namespace tav {

namespace T = ControlText;

namespace {
// The list is indexed with 16-bit integers.
constexpr size_t kMaxItems = std::numeric_limits<int16_t>::max();
}  // namespace

ClassDesc ComboBox::describe() {
    using C = ComboBox;
    return ClassDesc(std::string(T::ComboBox), std::string(T::ComboBoxHelp))
        .add(method<&C::Clear>(T::Clear))
        .add(method<&C::AddItem>(T::AddItem, {T::ItemParam, opt(T::IndexParam)}))
        .add(method<&C::RemoveItem>(T::RemoveItem, {T::IndexParam}))
        .add(property<&C::ListCount>(T::ListCount))
        .add(property<&C::List>(T::List, {T::IndexParam}))
        .add(property<&C::ListIndex, &C::SetListIndex>(T::ListIndex))
        .add(property<&C::Text, &C::SetText>(T::Text))
        .add(property<&C::Items>(T::Items))
        .implements<iTAVControlPart>();
}

void ComboBox::checkIndex(int32_t index, size_t limit) const {
    if (index < 0 || static_cast<size_t>(index) >= limit) throwError(err::InvalidProcedureCall);
}

void ComboBox::Clear() {
    ++revision_;
    items_.clear();
    listIndex_ = NoSelection;
    text_.clear();
}

void ComboBox::AddItem(std::string_view Item, const Variant& Index) {
    if (items_.size() >= kMaxItems) throwOverflow();
    size_t at = items_.size();
    if (!isMissing(Index)) {
        const int16_t i = CInt(Index);
        checkIndex(i, items_.size() + 1);
        at = static_cast<size_t>(i);
    }
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::string(Item));
    ++revision_;
    if (listIndex_ != NoSelection && at <= static_cast<size_t>(listIndex_)) ++listIndex_;
}

void ComboBox::RemoveItem(int16_t Index) {
    checkIndex(Index, items_.size());
    items_.erase(items_.begin() + Index);
    ++revision_;
    // The selection follows its item; removing the selected item leaves the text shown.
    if (listIndex_ == Index) listIndex_ = NoSelection;
    else if (listIndex_ > Index) --listIndex_;
}

std::string ComboBox::List(int16_t Index) const {
    checkIndex(Index, items_.size());
    return items_[static_cast<size_t>(Index)];
}

void ComboBox::SetListIndex(int16_t Index) {
    if (Index == NoSelection) {
        listIndex_ = NoSelection;
        text_.clear();
        return;
    }
    checkIndex(Index, items_.size());
    listIndex_ = Index;
    text_ = items_[static_cast<size_t>(Index)];
}

void ComboBox::SetText(std::string_view NewText) {
    text_ = NewText;
    const auto it = std::find(items_.begin(), items_.end(), NewText);
    listIndex_ = it == items_.end() ? NoSelection : static_cast<int16_t>(it - items_.begin());
}

std::string ComboBox::Items() const {
    std::string out;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (i) out += T::ItemSeparator;
        out += items_[i];
    }
    return out;
}

void ComboBox::Show(const Variant& value) { SetText(value.isNull() ? std::string() : CStr(value)); }

}  // namespace tav
