#include "qt/PushButtonControl.h"

#include "qt/QtText.h"

namespace tav {

ClassDesc PushButtonControl::describe() {
    return describeAs(QtText::PushButtonControl, QtText::PushButtonControlHelp);
}

PushButtonControl::PushButtonControl(QPushButton& button) : ButtonControl(button) {
    track(QObject::connect(&button, &QAbstractButton::clicked, [this] {
        on_ = true;
        userEdited();
    }));
}

}  // namespace tav
