#include "qt/ButtonControl.h"

#include <string>

#include "automation/conversions/Conversions.h"
#include "host/controls/ControlText.h"

namespace tav {

ClassDesc ButtonControl::describeAs(std::string_view name, std::string_view help) {
    using C = ButtonControl;
    ClassDesc desc{std::string(name), std::string(help)};
    desc.add(property<&C::Value, &C::SetValue>(ControlText::Value, ControlText::ValueHelp));
    desc.implements(iTAVControlPart::describeInterface());
    return desc;
}

void ButtonControl::SetValue(bool NewValue) {
    Show(Variant::Bool(NewValue));
}

void ButtonControl::showValue(const Variant& value) {
    setOn(CBool(value));
}

}  // namespace tav
