#pragma once
#include <QRadioButton>

#include "automation/objects/Dispatchable.h"
#include "qt/ButtonControl.h"

namespace tav {

// A QRadioButton as an option button. Choosing it stores true. As with the host's option
// buttons, the glues of the bindings keep a group consistent (each button shows whether the
// source holds its value), not Qt: the adapter turns the button's auto-exclusivity off, so
// buttons that share a parent widget but not a property do not switch each other off, and a
// storage that fails does not leave the group switched.
class RadioButtonControl : public Dispatchable<RadioButtonControl>, public ButtonControl {
public:
    static ClassDesc describe();
    explicit RadioButtonControl(QRadioButton& button);
};

}  // namespace tav
