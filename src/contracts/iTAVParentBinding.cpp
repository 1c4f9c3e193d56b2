#include "contracts/iTAVParentBinding.h"

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVControlFinder.h"
#include "contracts/iTAVSourcePart.h"

namespace tav {

const InterfaceDesc& iTAVParentBinding::describeInterface() {
    using I = iTAVParentBinding;
    static const InterfaceDesc desc = InterfaceDesc("iTAVParentBinding", "The binding of a binding item.", iid)
                                          .add(property<&I::DesignTime>("DesignTime"))
                                          .add(property<&I::ControlFinder>("ControlFinder"))
                                          .add(property<&I::SourcePart>("SourcePart"));
    return desc;
}

}  // namespace tav
