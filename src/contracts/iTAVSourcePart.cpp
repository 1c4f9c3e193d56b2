#include "contracts/iTAVSourcePart.h"

#include "automation/objects/Dispatchable.h"

namespace tav {

const InterfaceDesc& iTAVSourcePart::describeInterface() {
    using I = iTAVSourcePart;
    static const InterfaceDesc desc =
        InterfaceDesc("iTAVSourcePart", "The source of a binding.", iid)
            .add(property<&I::Value, &I::LetValue, &I::SetValue>("Value", {"PropertyName"}))
            .add(property<&I::Notifier, nullptr, &I::SetNotifier>("Notifier"))
            .add(property<&I::SourceObject, nullptr, &I::SetSourceObject>("SourceObject"))
            .add(property<&I::ListPropertyNames>("ListPropertyNames").withType(TypeDesc::arrayOf(VarType::String)))
            .add(property<&I::Caption>("Caption"));
    return desc;
}

}  // namespace tav
