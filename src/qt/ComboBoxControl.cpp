#include "qt/ComboBoxControl.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <limits>

#include "automation/conversions/Conversions.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/controls/ControlText.h"
#include "qt/QtStrings.h"
#include "qt/QtText.h"

namespace tav {

namespace T = ControlText;

namespace {
// The list is indexed with 16-bit integers.
constexpr int32_t kMaxItems = std::numeric_limits<int16_t>::max();
}  // namespace

ClassDesc ComboBoxControl::describe() {
    using C = ComboBoxControl;
    return ClassDesc(std::string(QtText::ComboBoxControl), std::string(QtText::ComboBoxControlHelp))
        .add(method<&C::Clear>(T::Clear))
        .add(method<&C::AddItem>(T::AddItem, {T::ItemParam, opt(T::IndexParam)}))
        .add(method<&C::RemoveItem>(T::RemoveItem, {T::IndexParam}))
        .add(property<&C::ListCount>(T::ListCount))
        .add(property<&C::List>(T::List, {T::IndexParam}))
        .add(property<&C::ListIndex, &C::SetListIndex>(T::ListIndex))
        .add(property<&C::Text, &C::SetText>(T::Text))
        .implements<iTAVControlPart>();
}

ComboBoxControl::ComboBoxControl(QComboBox& box) : WidgetControl(box) {
    track(QObject::connect(&box, &QComboBox::activated, [this] { entered(); }));
    if (QLineEdit* edit = box.lineEdit())
        track(QObject::connect(edit, &QLineEdit::editingFinished, [this, edit] {
            if (edit->isModified()) entered();
        }));
    // Qt adds a text the user confirms to the list of an editable box (as its insert policy
    // says): the list has changed all the same.
    QAbstractItemModel* model = box.model();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        track(QObject::connect(model, signal, [this] { ++revision_; }));
}

void ComboBoxControl::entered() {
    // An entry is stored once, however many of the box's signals announce it.
    if (QLineEdit* edit = box().lineEdit()) edit->setModified(false);
    userEdited();
}

void ComboBoxControl::checkIndex(int32_t index, int32_t limit) const {
    if (index < 0 || index >= limit) throwError(err::InvalidProcedureCall);
}

void ComboBoxControl::select(int index, const QString& text) {
    QComboBox& b = box();
    text_ = index == NoSelection ? text : QString();
    if (b.isEditable()) {
        if (b.currentIndex() != index) b.setCurrentIndex(index);
        if (index == NoSelection) b.setEditText(text_);
        b.lineEdit()->setModified(false);
        return;
    }
    b.setPlaceholderText(text_);
    if (b.currentIndex() != index) b.setCurrentIndex(index);
}

void ComboBoxControl::Clear() {
    QComboBox& b = box();
    ++revision_;
    b.clear();
    select(NoSelection, QString());
}

void ComboBoxControl::AddItem(std::string_view Item, const Variant& Index) {
    QComboBox& b = box();
    if (b.count() >= kMaxItems) throwOverflow();
    int at = b.count();
    if (!isMissing(Index)) {
        const int16_t i = CInt(Index);
        checkIndex(i, b.count() + 1);
        at = i;
    }
    const int selected = b.currentIndex();
    const QString shown = text_;
    b.insertItem(at, qtext(Item));
    ++revision_;
    select(selected == NoSelection ? NoSelection : selected + (at <= selected ? 1 : 0), shown);
}

void ComboBoxControl::RemoveItem(int16_t Index) {
    QComboBox& b = box();
    checkIndex(Index, b.count());
    const int selected = b.currentIndex();
    // Removing the selected item leaves its text shown.
    const QString shown = selected == Index ? b.itemText(Index) : text_;
    b.removeItem(Index);
    ++revision_;
    select(selected == Index ? NoSelection : selected - (selected > Index ? 1 : 0), shown);
}

int16_t ComboBoxControl::ListCount() const {
    return static_cast<int16_t>(box().count());
}

std::string ComboBoxControl::List(int16_t Index) const {
    checkIndex(Index, box().count());
    return box().itemText(Index).toStdString();
}

int16_t ComboBoxControl::ListIndex() const {
    return static_cast<int16_t>(box().currentIndex());
}

void ComboBoxControl::SetListIndex(int16_t Index) {
    if (Index != NoSelection) checkIndex(Index, box().count());
    select(Index, QString());
}

std::string ComboBoxControl::Text() const {
    const QComboBox& b = box();
    // An editable box shows what the user typed, whatever item is selected.
    if (b.isEditable()) return b.currentText().toStdString();
    return (b.currentIndex() == NoSelection ? text_ : b.currentText()).toStdString();
}

void ComboBoxControl::SetText(std::string_view NewText) {
    Show(Variant(NewText));
}

void ComboBoxControl::showValue(const Variant& value) {
    const QString text = textOf(value);
    select(box().findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive), text);
}

}  // namespace tav
