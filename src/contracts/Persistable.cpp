#include "contracts/Persistable.h"

#include "automation/objects/Dispatchable.h"

namespace tav {

const InterfaceDesc& Persistable::describeInterface() {
    using I = Persistable;
    static const InterfaceDesc desc =
        InterfaceDesc("Persistable", "Design-time properties kept in a property bag.", iid)
            .add(method<&I::InitProperties>("InitProperties"))
            .add(method<&I::ReadProperties>("ReadProperties", {"PropBag"}))
            .add(method<&I::WriteProperties>("WriteProperties", {"PropBag"}));
    return desc;
}

}  // namespace tav
