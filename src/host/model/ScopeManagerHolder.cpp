#include "host/model/ScopeManagerHolder.h"

#include "host/model/ModelText.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc ScopeManagerHolder::describe() {
    using C = ScopeManagerHolder;
    return ClassDesc(std::string(T::ScopeManagerHolder), std::string(T::ScopeManagerHolderHelp))
        .add(property<&C::ScopeManager>(T::ScopeManager));
}

}  // namespace tav::hostmodel
