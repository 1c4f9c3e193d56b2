#include "host/model/DMUtility.h"

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/model/ModelText.h"
#include "host/model/PropertyAccessor.h"
#include "host/model/Schema.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc DMUtility::describe() {
    using C = DMUtility;
    return ClassDesc(std::string(T::DMUtility), std::string(T::DMUtilityHelp))
        .add(method<&C::PropertyAccessor>(
            T::PropertyAccessor,
            {T::PropertyNameParam, opt(T::ReservedParam), opt(T::StatusParam)}))
        .add(method<&C::ClassFilterText>(T::ClassFilterText, {T::ClassNameParam}));
}

IRef<iTAVPropertyAccessor> DMUtility::PropertyAccessor(std::string_view propertyName,
                                                       int32_t /*reserved*/, int32_t& status) {
    std::shared_ptr<const PropertyDeclaration> d = Schema::find(propertyName);
    if (!d)
        throw AutomationError(err::InvalidProcedureCall, std::string(T::DMUtility),
                              std::string(T::NoAccessor) + std::string(propertyName));
    status = 0;
    return IRef<iTAVPropertyAccessor>(makeRef<hostmodel::PropertyAccessor>(std::move(d)));
}

}  // namespace tav::hostmodel
