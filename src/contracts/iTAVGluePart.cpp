#include "contracts/iTAVGluePart.h"

#include "automation/objects/Dispatchable.h"

namespace tav {

const InterfaceDesc& iTAVGluePart::describeInterface() {
    using I = iTAVGluePart;
    static const InterfaceDesc desc =
        InterfaceDesc("iTAVGluePart", "A glue part of a binding.", iid)
            .add(method<&I::WakeUp>("WakeUp", {"pBindingItem"}))
            .add(method<&I::TransformForDisplay>("TransformForDisplay", {"TheValue"}))
            .add(method<&I::InvTransformForStorage>("InvTransformForStorage", {"TheValue"}))
            .add(method<&I::TearDown>("TearDown"))
            .add(method<&I::OnBindingError>("OnBindingError", {"pBindingItem", "ErrCtx"}));
    return desc;
}

}  // namespace tav
