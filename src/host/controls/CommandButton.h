#pragma once
#include "host/controls/BooleanControl.h"

namespace tav {

// A command button: a Boolean control that a click sets to true (Host.Button).
class CommandButton : public BooleanControl<CommandButton> {
public:
    static ClassDesc describe() { return describeAs(ControlText::Button, ControlText::ButtonHelp); }
};

}  // namespace tav
