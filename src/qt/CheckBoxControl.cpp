#include "qt/CheckBoxControl.h"

#include "qt/QtText.h"

namespace tav {

ClassDesc CheckBoxControl::describe() {
    return describeAs(QtText::CheckBoxControl, QtText::CheckBoxControlHelp);
}

CheckBoxControl::CheckBoxControl(QCheckBox& box) : ButtonControl(box) {
    track(QObject::connect(&box, &QAbstractButton::clicked, [this] { userEdited(); }));
}

}  // namespace tav
