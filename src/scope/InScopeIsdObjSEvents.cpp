#include "scope/InScopeIsdObjSEvents.h"

#include "automation/objects/Dispatchable.h"
#include "contracts/RegisteredClasses.h"
#include "scope/InScopeText.h"

namespace tav {

namespace T = InScopeText;

const InterfaceDesc& InScopeIsdObjSEvents::describeInterface() {
    using I = InScopeIsdObjSEvents;
    static const InterfaceDesc desc =
        InterfaceDesc(std::string(T::EventInterface), std::string(T::EventInterfaceHelp),
                      library::kEventInterfaceId)
            .add(method<&I::RequestScope>(T::RequestScope, {"pScope", "bHandled"},
                                          T::RequestScopeHelp)
                     .withId(1))
            .add(method<&I::RequestPropertyRead>(T::RequestPropertyRead, {"pProp"},
                                                 T::RequestPropertyReadHelp)
                     .withId(2))
            .add(method<&I::RequestPropertyValidate>(
                     T::RequestPropertyValidate,
                     {"pProp", "TheValue", "bHandled", "bFailure", "sMessage"},
                     T::RequestPropertyValidateHelp)
                     .withId(3))
            .add(method<&I::RequestPropertyStore>(T::RequestPropertyStore,
                                                  {"pProp", "TheValue", "bHandled"},
                                                  T::RequestPropertyStoreHelp)
                     .withId(4));
    return desc;
}

}  // namespace tav
