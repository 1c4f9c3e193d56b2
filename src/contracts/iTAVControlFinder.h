#pragma once
#include <string_view>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Guid.h"
#include "automation/values/Object.h"
#include "automation/values/Variant.h"

namespace tav {

// Finds the form's objects by name (a host object). The name kContainerRoot yields the host
// application's root object (iTAVContainerRoot).
class iTAVControlFinder {
public:
    static constexpr Guid iid{"{BDF1C9F4-E5A1-40D0-A491-C5E76F9CFF59}"};
    static constexpr std::string_view kContainerRoot = "<ContainerRoot>";
    static const InterfaceDesc& describeInterface();
    virtual ~iTAVControlFinder() = default;

    // The named object, or Nothing when there is none.
    virtual Ref<Object> FindControl(const Variant& Name) = 0;
};

}  // namespace tav
