#pragma once
#include <QRadioButton>

#include "automation/objects/Dispatchable.h"
#include "qt/ButtonControl.h"

namespace tav {

// A QRadioButton as an option button. Choosing it stores true; the glues of the bindings then
// show each button of the group whether the source holds its value. The button keeps its
// exclusivity as designed (auto-exclusive, or in an exclusive QButtonGroup): Qt switches the
// group's other buttons off as the user chooses one, and a source holding the value of no
// button of the group shows them all off, which Qt alone would not allow.
class RadioButtonControl : public Dispatchable<RadioButtonControl>, public ButtonControl {
public:
    static ClassDesc describe();
    explicit RadioButtonControl(QRadioButton& button);

protected:
    void setOn(bool on) override;
};

}  // namespace tav
