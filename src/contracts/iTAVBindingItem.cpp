#include "contracts/iTAVBindingItem.h"

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVControlPart.h"
#include "contracts/iTAVParentBinding.h"

namespace tav {

const InterfaceDesc& iTAVBindingItem::describeInterface() {
    using I = iTAVBindingItem;
    static const InterfaceDesc desc =
        InterfaceDesc("iTAVBindingItem", "A binding as its glues see it.", iid)
            .add(property<&I::Parent>("Parent"))
            .add(property<&I::SourcePropertyName>("SourcePropertyName"))
            .add(property<&I::SourcePropertyNames>("SourcePropertyNames").withType(TypeDesc::arrayOf(VarType::String)))
            .add(property<&I::ControlPart>("ControlPart"))
            .add(method<&I::RequestStore>("RequestStore"))
            .add(method<&I::RequestRedisplay>("RequestRedisplay"));
    return desc;
}

}  // namespace tav
