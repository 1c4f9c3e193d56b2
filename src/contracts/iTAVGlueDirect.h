#pragma once
#include <string_view>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Guid.h"
#include "automation/values/Object.h"
#include "automation/values/Variant.h"

namespace tav {

// A direct glue: talks to the control itself and reads the source value when asked to.
class iTAVGlueDirect {
public:
    static constexpr Guid iid{"{8A4F696B-6EBA-49D9-9371-55D405EA6BF5}"};
    static const InterfaceDesc& describeInterface();
    virtual ~iTAVGlueDirect() = default;

    // TheValue is optional: Missing (isMissing()) asks the glue to read the source value.
    virtual Variant GetDisplayValue(Variant& TheValue) = 0;
    virtual Variant GetStorageValue(Variant& TheValue) = 0;
    virtual void WakeUp(const Ref<Object>& SrcObj, std::string_view SrcPropName, const Ref<Object>& Cntrl) = 0;
    virtual void TearDown() = 0;
};

}  // namespace tav
