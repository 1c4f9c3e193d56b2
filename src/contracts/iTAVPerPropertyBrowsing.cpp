#include "contracts/iTAVPerPropertyBrowsing.h"

#include "automation/objects/Dispatchable.h"

namespace tav {

const InterfaceDesc& iTAVPerPropertyBrowsing::describeInterface() {
    using I = iTAVPerPropertyBrowsing;
    static const InterfaceDesc desc =
        InterfaceDesc("iTAVPerPropertyBrowsing", "Design-time values of properties.", iid)
            .add(method<&I::GetPredefinedValue>("GetPredefinedValue", {"PropertyName", "PreDefinedString"}))
            .add(method<&I::GetPredefinedStrings>("GetPredefinedStrings", {"PropertyName"})
                     .withType(TypeDesc::arrayOf(VarType::String)))
            .add(method<&I::GetDisplayString>("GetDisplayString", {"PropertyName"}))
            .add(method<&I::MapPropertyToControlProgId>("MapPropertyToControlProgId", {"PropertyName"}));
    return desc;
}

}  // namespace tav
