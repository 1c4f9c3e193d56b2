#include "qt/LabelControl.h"

#include <string>

#include "host/controls/ControlText.h"
#include "qt/QtText.h"

namespace tav {

ClassDesc LabelControl::describe() {
    using C = LabelControl;
    return ClassDesc(std::string(QtText::LabelControl), std::string(QtText::LabelControlHelp))
        .add(property<&C::Value>(ControlText::Value, ControlText::ValueHelp))
        .implements<iTAVControlPart>();
}

LabelControl::LabelControl(QLabel& label) : WidgetControl(label) {
    label.setTextFormat(Qt::PlainText);
    label.setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void LabelControl::showValue(const Variant& value) {
    QLabel& l = label();
    const QString text = textOf(value);
    if (text != l.text()) l.setText(text);
}

}  // namespace tav
