#pragma once
#include <string_view>

#include "automation/conversions/Conversions.h"
#include "automation/objects/Dispatchable.h"
#include "host/controls/Control.h"
#include "host/controls/ControlText.h"

namespace tav {

// The controls that keep a Boolean (check box, option button, command button): a shown value
// is converted with CBool's rules, so Null or text that is no Boolean fails and leaves the
// control as it was.
template <class Self>
class BooleanControl : public Dispatchable<Self>, public Control {
public:
    bool Value() const { return value_; }
    void SetValue(bool NewValue) { value_ = NewValue; }

    Variant CurrentValue() override { return Variant::Bool(value_); }
    void Show(const Variant& value) override { value_ = CBool(value); }

protected:
    // The table of one kind of Boolean control.
    static ClassDesc describeAs(std::string_view name, std::string_view help) {
        using C = BooleanControl<Self>;
        ClassDesc desc{std::string(name), std::string(help)};
        desc.add(property<&C::Value, &C::SetValue>(ControlText::Value, ControlText::ValueHelp));
        desc.implements(iTAVControlPart::describeInterface());
        return desc;
    }

private:
    bool value_ = false;
};

}  // namespace tav
