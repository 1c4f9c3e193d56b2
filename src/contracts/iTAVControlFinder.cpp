#include "contracts/iTAVControlFinder.h"

#include "automation/objects/Dispatchable.h"

namespace tav {

const InterfaceDesc& iTAVControlFinder::describeInterface() {
    using I = iTAVControlFinder;
    static const InterfaceDesc desc = InterfaceDesc("iTAVControlFinder", "Finds a form's objects by name.", iid)
                                          .add(method<&I::FindControl>("FindControl", {"Name"}));
    return desc;
}

}  // namespace tav
