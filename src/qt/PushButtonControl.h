#pragma once
#include <QPushButton>

#include "automation/objects/Dispatchable.h"
#include "qt/ButtonControl.h"

namespace tav {

// A QPushButton as a command button: a click makes its value true and is stored (a glue such
// as GluPart_FireOrvaneCmd then runs a command). The value is the adapter's, since a push
// button has no state of its own to show it.
class PushButtonControl : public Dispatchable<PushButtonControl>, public ButtonControl {
public:
    static ClassDesc describe();
    explicit PushButtonControl(QPushButton& button);

protected:
    bool isOn() const override { return on_; }
    void setOn(bool on) override { on_ = on; }

private:
    bool on_ = false;
};

}  // namespace tav
