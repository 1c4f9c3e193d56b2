#pragma once
#include <QWidget>
#include <string_view>

#include "automation/objects/Interfaces.h"
#include "qt/WidgetControl.h"

// The widgets that stand for the control kinds of form files.
namespace tav::widgetkinds {

// A new widget for the kind (TextBox: QLineEdit, CheckBox: QCheckBox, OptionButton:
// QRadioButton, Button: QPushButton, ComboBox: QComboBox, Label: QLabel), a child of `parent`,
// with its adapter. Another kind is error 429, as creating an unknown control is.
IRef<WidgetControl> make(std::string_view kind, QWidget& parent);

}  // namespace tav::widgetkinds
