#pragma once
#include <QAbstractButton>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "qt/WidgetControl.h"

namespace tav {

// A Qt button as a control that keeps a Boolean (check box, option button, command button): a
// shown value is converted with CBool's rules, so Null or text that is no Boolean fails and
// leaves the button as it was. The label of such a control is the button's own text.
class ButtonControl : public WidgetControl {
public:
    bool Value() const { return isOn(); }
    void SetValue(bool NewValue);

    Variant CurrentValue() override { return Variant::Bool(widget() && isOn()); }
    bool labelsItself() const override { return true; }
    void setLabel(const QString& text) override { button().setText(text); }

protected:
    explicit ButtonControl(QAbstractButton& button) : WidgetControl(button) {}
    // The table of one kind of button.
    static ClassDesc describeAs(std::string_view name, std::string_view help);

    void showValue(const Variant& value) override;
    // What the button holds: by default whether it is checked.
    virtual bool isOn() const { return button().isChecked(); }
    virtual void setOn(bool on) { button().setChecked(on); }
    QAbstractButton& button() const { return static_cast<QAbstractButton&>(live()); }
};

}  // namespace tav
