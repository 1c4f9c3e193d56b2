#pragma once
#include <QCheckBox>

#include "automation/objects/Dispatchable.h"
#include "qt/ButtonControl.h"

namespace tav {

// A QCheckBox: the user's click (or space bar) that toggles it is stored.
class CheckBoxControl : public Dispatchable<CheckBoxControl>, public ButtonControl {
public:
    static ClassDesc describe();
    explicit CheckBoxControl(QCheckBox& box);
};

}  // namespace tav
