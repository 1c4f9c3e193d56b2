#include "host/model/ValueList.h"

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/model/ModelText.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc ValueList::describe() {
    using C = ValueList;
    return ClassDesc(std::string(T::ValueList), std::string(T::ValueListHelp))
        .add(property<&C::Count>(T::Count))
        .add(property<&C::Item>(T::Item, {T::IndexParam}).withId(DispIdValue))
        .add(method<&C::Add>(T::Add, {T::ValueParam}));
}

Variant ValueList::Item(int32_t index) {
    if (index < 1 || static_cast<size_t>(index) > values_.size()) throwError(err::SubscriptOutOfRange);
    return values_[static_cast<size_t>(index - 1)];
}

}  // namespace tav::hostmodel
