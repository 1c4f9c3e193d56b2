#pragma once
#include <QComboBox>
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVComboBox.h"
#include "qt/WidgetControl.h"

namespace tav {

// A QComboBox as the host's combo box: a list of items with 16-bit indexes, the index of the
// selected one (-1: none) and the text shown; an index outside the list is error 5. Choosing an
// item is stored. Showing a text selects the item with exactly that text; a text that no item
// has is shown in place of a selection (as the box's placeholder, or as the edit text of an
// editable box). Adding and removing items keep the selection on its item, and nothing selects
// an item by itself (Qt would select the first item added to an empty box, or a neighbour of a
// removed one). An editable box stays editable: what the user types is its text, stored on
// Return or when the user leaves it, as a line edit's. ListRevision changes with every change
// of the list (one Qt makes as the user enters a text included), as the combo loader expects.
class ComboBoxControl : public Dispatchable<ComboBoxControl>,
                        public WidgetControl,
                        public iTAVComboBox {
public:
    static constexpr int16_t NoSelection = -1;

    static ClassDesc describe();
    explicit ComboBoxControl(QComboBox& box);

    void Clear() override;
    void AddItem(std::string_view Item, const Variant& Index) override;
    void RemoveItem(int16_t Index) override;
    int16_t ListCount() const override;
    std::string List(int16_t Index) const override;
    int16_t ListIndex() const override;
    void SetListIndex(int16_t Index);
    std::string Text() const override;
    void SetText(std::string_view NewText);
    uint64_t ListRevision() const override { return revision_; }

    Variant CurrentValue() override { return widget() ? Variant(Text()) : Variant(); }

protected:
    void showValue(const Variant& value) override;

private:
    QComboBox& box() const { return static_cast<QComboBox&>(live()); }
    void checkIndex(int32_t index, int32_t limit) const;
    // Selects the entry (-1: none, showing `text` instead).
    void select(int index, const QString& text);
    // The user chose an item or confirmed a text.
    void entered();

    QString text_;  // shown while no item is selected
    uint64_t revision_ = 0;
};

}  // namespace tav
