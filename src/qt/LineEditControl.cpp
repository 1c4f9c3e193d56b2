#include "qt/LineEditControl.h"

#include <string>

#include "host/controls/ControlText.h"
#include "qt/QtStrings.h"
#include "qt/QtText.h"

namespace tav {

ClassDesc LineEditControl::describe() {
    using C = LineEditControl;
    return ClassDesc(std::string(QtText::LineEditControl), std::string(QtText::LineEditControlHelp))
        .add(property<&C::Value, &C::SetValue>(ControlText::Value, ControlText::ValueHelp))
        .implements<iTAVControlPart>();
}

LineEditControl::LineEditControl(QLineEdit& edit) : WidgetControl(edit) {
    track(QObject::connect(&edit, &QLineEdit::editingFinished, [this] {
        QLineEdit& e = this->edit();
        if (!e.isModified()) return;
        e.setModified(false);
        userEdited();
    }));
}

Variant LineEditControl::Value() const {
    return widget() ? variantOf(edit().text()) : Variant();
}

void LineEditControl::showValue(const Variant& value) {
    QLineEdit& e = edit();
    std::string converted;
    const std::string_view text = utf8TextOf(value, converted);
    // Showing the text it has already leaves the edit (and its cursor) alone. A text other than
    // the one shown last is new to it, without asking the edit (a redisplay after every change).
    // The last text is kept as we have it, in UTF-8: comparing and keeping it costs no
    // conversion and no shared count.
    if (text != shown_ || !QAnyStringView::equal(e.text(), QUtf8StringView(text))) e.setText(qtext(text));
    shown_.assign(text);
    e.setModified(false);
}

}  // namespace tav
