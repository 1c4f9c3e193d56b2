#include "qt/RadioButtonControl.h"

#include "qt/QtText.h"

namespace tav {

ClassDesc RadioButtonControl::describe() {
    return describeAs(QtText::RadioButtonControl, QtText::RadioButtonControlHelp);
}

RadioButtonControl::RadioButtonControl(QRadioButton& button) : ButtonControl(button) {
    button.setAutoExclusive(false);
    // Without auto-exclusivity a click on a chosen button would clear it; choosing is what a
    // click on an option button means.
    track(QObject::connect(&button, &QAbstractButton::clicked, [this] {
        setOn(true);
        userEdited();
    }));
}

}  // namespace tav
