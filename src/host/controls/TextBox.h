#pragma once
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "host/controls/Control.h"

namespace tav {

// A text box keeps text: a shown value is converted to a string (Null shows as empty text),
// and what it holds is always a string.
class TextBox : public Dispatchable<TextBox>, public Control {
public:
    static ClassDesc describe();

    Variant Value() const { return text_; }
    void SetValue(const Variant& NewValue);

    Variant CurrentValue() override { return text_; }
    void Show(const Variant& value) override { SetValue(value); }

    std::string_view text() const { return text_.str(); }

private:
    Variant text_{std::string_view()};
};

}  // namespace tav
