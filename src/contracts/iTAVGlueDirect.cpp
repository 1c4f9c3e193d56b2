#include "contracts/iTAVGlueDirect.h"

#include "automation/objects/Dispatchable.h"

namespace tav {

const InterfaceDesc& iTAVGlueDirect::describeInterface() {
    using I = iTAVGlueDirect;
    static const InterfaceDesc desc =
        InterfaceDesc("iTAVGlueDirect", "A glue that talks to its control itself.", iid)
            .add(method<&I::GetDisplayValue>("GetDisplayValue", {opt("TheValue")}))
            .add(method<&I::GetStorageValue>("GetStorageValue", {opt("TheValue")}))
            .add(method<&I::WakeUp>("WakeUp", {"SrcObj", "SrcPropName", "Cntrl"}))
            .add(method<&I::TearDown>("TearDown"));
    return desc;
}

}  // namespace tav
