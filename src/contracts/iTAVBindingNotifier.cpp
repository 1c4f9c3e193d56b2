#include "contracts/iTAVBindingNotifier.h"

#include "automation/objects/Dispatchable.h"

namespace tav {

const InterfaceDesc& iTAVBindingNotifier::describeInterface() {
    using I = iTAVBindingNotifier;
    static const InterfaceDesc desc =
        InterfaceDesc("iTAVBindingNotifier", "Hears a source part's changes.", iid)
            .add(method<&I::PropertyChanged>("PropertyChanged", {"PropertyName"}))
            .add(method<&I::SourceObjectAboutToChange>("SourceObjectAboutToChange"))
            .add(method<&I::SourceObjectChanged>("SourceObjectChanged"))
            .add(property<&I::DesignMode>("DesignMode"));
    return desc;
}

}  // namespace tav
