#pragma once
#include "host/controls/BooleanControl.h"

namespace tav {

// A check box: a Boolean control.
class CheckBox : public BooleanControl<CheckBox> {
public:
    static ClassDesc describe() { return describeAs(ControlText::CheckBox, ControlText::CheckBoxHelp); }
};

}  // namespace tav
