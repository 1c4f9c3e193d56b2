#include "host/controls/TextBox.h"

#include <string>

#include "automation/conversions/Conversions.h"
#include "host/controls/ControlText.h"

namespace tav {

namespace T = ControlText;

ClassDesc TextBox::describe() {
    using C = TextBox;
    return ClassDesc(std::string(T::TextBox), std::string(T::TextBoxHelp))
        .add(property<&C::Value, &C::SetValue>(T::Value, T::ValueHelp))
        .implements<iTAVControlPart>();
}

void TextBox::SetValue(const Variant& NewValue) {
    if (NewValue.isString()) {
        text_ = NewValue;  // shares the text
        return;
    }
    const std::string text = NewValue.isNull() ? std::string() : CStr(NewValue);
    // Showing the text it already has leaves the box alone (and allocates nothing).
    if (text != text_.str()) text_ = Variant(text);
}

}  // namespace tav
