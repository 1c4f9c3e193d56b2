#include "qt/RadioButtonControl.h"

#include <QButtonGroup>

#include "qt/QtText.h"

namespace tav {

ClassDesc RadioButtonControl::describe() {
    return describeAs(QtText::RadioButtonControl, QtText::RadioButtonControlHelp);
}

RadioButtonControl::RadioButtonControl(QRadioButton& button) : ButtonControl(button) {
    // A click on the chosen button of a group that is not exclusive would clear it; choosing
    // is what a click on an option button means.
    track(QObject::connect(&button, &QAbstractButton::clicked, [this] {
        setOn(true);
        userEdited();
    }));
}

void RadioButtonControl::setOn(bool on) {
    QAbstractButton& b = button();
    if (on || !b.isChecked()) {
        b.setChecked(on);
        return;
    }
    // The checked button of an exclusive group refuses to be unchecked: lift the exclusivity
    // for that one change.
    QButtonGroup* group = b.group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = b.autoExclusive();
    if (groupExclusive) group->setExclusive(false);
    b.setAutoExclusive(false);
    b.setChecked(false);
    b.setAutoExclusive(autoExclusive);
    if (groupExclusive) group->setExclusive(true);
}

}  // namespace tav
