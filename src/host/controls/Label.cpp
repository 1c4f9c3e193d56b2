#include "host/controls/Label.h"

#include <string>

#include "host/controls/ControlText.h"

namespace tav {

ClassDesc Label::describe() {
    using C = Label;
    return ClassDesc(std::string(ControlText::Label), std::string(ControlText::LabelHelp))
        .add(property<&C::Value>(ControlText::Value, ControlText::ValueHelp))
        .implements<iTAVControlPart>();
}

}  // namespace tav
