#include "qt/LineEditControl.h"

#include <string>

#include "host/controls/ControlText.h"
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
    const QString text = textOf(value);
    // Showing the text it has already leaves the edit (and its cursor) alone. A text other than
    // the one shown last is new to it, without asking the edit (a redisplay after every change).
    if (text != shown_ || text != e.text()) e.setText(text);
    shown_ = text;
    e.setModified(false);
}

}  // namespace tav
