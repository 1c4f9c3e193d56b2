#include "contracts/iTAVContainerRoot.h"

#include "automation/objects/Dispatchable.h"

namespace tav {

const InterfaceDesc& iTAVCommandObject::describeInterface() {
    using I = iTAVCommandObject;
    static const InterfaceDesc desc = InterfaceDesc("iTAVCommandObject", "Runs host commands by name.", iid)
                                          .add(method<&I::RunCommand>("RunCommand", {"CommandName"}));
    return desc;
}

const InterfaceDesc& iTAVContainerRoot::describeInterface() {
    using I = iTAVContainerRoot;
    static const InterfaceDesc desc = InterfaceDesc("iTAVContainerRoot", "The host application's root.", iid)
                                          .add(property<&I::CommandObject>("CommandObject"));
    return desc;
}

}  // namespace tav
