#pragma once
#include <QWidget>
#include <string_view>

#include "automation/objects/Interfaces.h"
#include "qt/WidgetControl.h"

// The widgets that stand for the control kinds of form files, and the adapter of each class:
//
//   kind          widget          adapter
//   TextBox       QLineEdit       LineEditControl
//   CheckBox      QCheckBox       CheckBoxControl
//   OptionButton  QRadioButton    RadioButtonControl
//   Button        QPushButton     PushButtonControl
//   ComboBox      QComboBox       ComboBoxControl
//   Label         QLabel          LabelControl
//
// A widget of a class derived from one of these is of its kind.
namespace tav::widgetkinds {

// A new widget for the kind, a child of `parent`. Option buttons made here are not
// auto-exclusive: the window lays out buttons of different properties side by side, and the
// glues keep each group consistent. Another kind is error 429, as creating an unknown control is.
QWidget& make(std::string_view kind, QWidget& parent);
// The adapter of a widget of one of the classes; error 429 for a widget of another class.
IRef<WidgetControl> adapt(QWidget& widget);
// The kind of the widget's class; empty for a class of no kind.
std::string_view kindOf(const QWidget& widget);

}  // namespace tav::widgetkinds
