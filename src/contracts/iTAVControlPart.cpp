#include "contracts/iTAVControlPart.h"

#include "automation/objects/Dispatchable.h"

namespace tav {

const InterfaceDesc& iTAVControlPart::describeInterface() {
    using I = iTAVControlPart;
    static const InterfaceDesc desc = InterfaceDesc("iTAVControlPart", "The control end of a binding.", iid)
                                          .add(method<&I::CurrentValue>("CurrentValue"));
    return desc;
}

}  // namespace tav
