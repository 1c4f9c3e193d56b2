#include "qt/WidgetKinds.h"

#include <string>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/controls/ControlText.h"
#include "qt/CheckBoxControl.h"
#include "qt/ComboBoxControl.h"
#include "qt/LabelControl.h"
#include "qt/LineEditControl.h"
#include "qt/PushButtonControl.h"
#include "qt/QtText.h"
#include "qt/RadioButtonControl.h"

namespace tav::widgetkinds {

namespace {

template <class Widget>
QWidget& makeOne(QWidget& parent) {
    return *new Widget(&parent);  // the parent owns it
}

template <class Widget, class Adapter>
IRef<WidgetControl> adaptOne(QWidget& widget) {
    return IRef<WidgetControl>(makeRef<Adapter>(static_cast<Widget&>(widget)));
}

struct Kind {
    std::string_view name;
    const QMetaObject* widgetClass;
    QWidget& (*make)(QWidget& parent);
    IRef<WidgetControl> (*adapt)(QWidget& widget);
};

template <class Widget, class Adapter>
constexpr Kind kind(std::string_view name) {
    return {name, &Widget::staticMetaObject, &makeOne<Widget>, &adaptOne<Widget, Adapter>};
}

const Kind kKinds[] = {
    kind<QLineEdit, LineEditControl>(ControlText::TextBox),
    kind<QCheckBox, CheckBoxControl>(ControlText::CheckBox),
    kind<QRadioButton, RadioButtonControl>(ControlText::OptionButton),
    kind<QPushButton, PushButtonControl>(ControlText::Button),
    kind<QComboBox, ComboBoxControl>(ControlText::ComboBox),
    kind<QLabel, LabelControl>(ControlText::Label),
};

const Kind* kindOfClass(const QWidget& widget) {
    for (const Kind& k : kKinds)
        if (widget.metaObject()->inherits(k.widgetClass)) return &k;
    return nullptr;
}

[[noreturn]] void noControl(std::string_view what) {
    throw AutomationError(err::CantCreateObject, std::string(QtText::WidgetSource),
                          std::string(what));
}

}  // namespace

QWidget& make(std::string_view kind, QWidget& parent) {
    for (const Kind& k : kKinds) {
        if (k.name != kind) continue;
        QWidget& w = k.make(parent);
        if (auto* option = qobject_cast<QRadioButton*>(&w)) option->setAutoExclusive(false);
        return w;
    }
    noControl(std::string(QtText::UnknownKind) + std::string(kind));
}

IRef<WidgetControl> adapt(QWidget& widget) {
    if (const Kind* k = kindOfClass(widget)) return k->adapt(widget);
    noControl(std::string(QtText::UnknownWidgetClass) + widget.metaObject()->className());
}

std::string_view kindOf(const QWidget& widget) {
    const Kind* k = kindOfClass(widget);
    return k ? k->name : std::string_view();
}

}  // namespace tav::widgetkinds
