#pragma once
#include <QLineEdit>
#include <string>

#include "automation/objects/Dispatchable.h"
#include "qt/WidgetControl.h"

namespace tav {

// A QLineEdit as a text box. The user's text is stored when the user confirms it (Return) or
// leaves the edit, and only when the user has changed it: leaving a field untouched must not
// write back the text shown, which may be a rounded or formatted form of the value.
class LineEditControl : public Dispatchable<LineEditControl>, public WidgetControl {
public:
    static ClassDesc describe();
    explicit LineEditControl(QLineEdit& edit);

    Variant Value() const;
    void SetValue(const Variant& NewValue) { Show(NewValue); }

    Variant CurrentValue() override { return Value(); }

protected:
    void showValue(const Variant& value) override;

private:
    QLineEdit& edit() const { return static_cast<QLineEdit&>(live()); }

    std::string shown_;  // the text the display cycle put in last (UTF-8)
};

}  // namespace tav
