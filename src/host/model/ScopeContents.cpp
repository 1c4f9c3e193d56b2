#include "host/model/ScopeContents.h"

#include "host/model/ModelText.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc ScopeContents::describe() {
    using C = ScopeContents;
    return ClassDesc(std::string(T::ScopeContents), std::string(T::ScopeContentsHelp))
        .add(property<&C::Count>(T::Count))
        .add(property<&C::Item>(T::Item, {T::IndexParam}).withId(DispIdValue));
}

}  // namespace tav::hostmodel
