#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVComboBox.h"
#include "host/controls/Control.h"

namespace tav {

// A combo box: a list of items, the index of the selected one (-1: none) and the text shown.
// Selecting an item shows its text; showing a text selects the item with exactly that text, or
// none. Indexes are 16-bit, as the loader that fills combo boxes counts them; an index outside
// the list is error 5.
class ComboBox : public Dispatchable<ComboBox>, public Control, public iTAVComboBox {
public:
    static constexpr int16_t NoSelection = -1;

    static ClassDesc describe();

    // Empties the list and the text.
    void Clear() override;
    // Adds an item at the end, or before the item at Index (0..ListCount).
    void AddItem(std::string_view Item, const Variant& Index) override;
    void RemoveItem(int16_t Index) override;
    int16_t ListCount() const override { return static_cast<int16_t>(items_.size()); }
    std::string List(int16_t Index) const override;
    int16_t ListIndex() const override { return listIndex_; }
    void SetListIndex(int16_t Index);
    std::string Text() const override { return text_; }
    uint64_t ListRevision() const override { return revision_; }
    void SetText(std::string_view NewText);
    // The items joined by "|".
    std::string Items() const;

    Variant CurrentValue() override { return Variant(text_); }
    void Show(const Variant& value) override;

    const std::vector<std::string>& items() const { return items_; }

private:
    void checkIndex(int32_t index, size_t limit) const;

    std::vector<std::string> items_;
    int16_t listIndex_ = NoSelection;
    std::string text_;
    uint64_t revision_ = 0;
};

}  // namespace tav
