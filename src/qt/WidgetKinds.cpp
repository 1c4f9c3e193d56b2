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

template <class Widget, class Adapter>
IRef<WidgetControl> makeOne(QWidget& parent) {
    auto* widget = new Widget(&parent);  // the parent owns it
    return IRef<WidgetControl>(makeRef<Adapter>(*widget));
}

struct Kind {
    std::string_view name;
    IRef<WidgetControl> (*make)(QWidget& parent);
};

constexpr Kind kKinds[] = {
    {ControlText::TextBox, &makeOne<QLineEdit, LineEditControl>},
    {ControlText::CheckBox, &makeOne<QCheckBox, CheckBoxControl>},
    {ControlText::OptionButton, &makeOne<QRadioButton, RadioButtonControl>},
    {ControlText::Button, &makeOne<QPushButton, PushButtonControl>},
    {ControlText::ComboBox, &makeOne<QComboBox, ComboBoxControl>},
    {ControlText::Label, &makeOne<QLabel, LabelControl>},
};

}  // namespace

IRef<WidgetControl> make(std::string_view kind, QWidget& parent) {
    for (const Kind& k : kKinds)
        if (k.name == kind) return k.make(parent);
    throw AutomationError(err::CantCreateObject, std::string(QtText::WidgetSource),
                          std::string(QtText::UnknownKind) + std::string(kind));
}

}  // namespace tav::widgetkinds
