#pragma once
#include "host/controls/BooleanControl.h"

namespace tav {

// An option button: a Boolean control; the glues of its binding, not the button, keep a group
// of them consistent.
class OptionButton : public BooleanControl<OptionButton> {
public:
    static ClassDesc describe() { return describeAs(ControlText::OptionButton, ControlText::OptionButtonHelp); }
};

}  // namespace tav
