#pragma once
#include <string>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Guid.h"
#include "automation/objects/Interfaces.h"
#include "automation/values/SafeArray.h"

namespace tav {

class iTAVParentBinding;
class iTAVControlPart;

// One binding as a glue sees it at WakeUp (a host object).
class iTAVBindingItem {
public:
    static constexpr Guid iid{"{411FAE1C-95DD-48AE-B1D1-EBD6F0790FA6}"};
    static const InterfaceDesc& describeInterface();
    virtual ~iTAVBindingItem() = default;

    virtual IRef<iTAVParentBinding> Parent() = 0;
    virtual std::string SourcePropertyName() = 0;
    // An array of strings, for bindings with several source properties.
    virtual SafeArray SourcePropertyNames() = 0;
    // The control's part; its CurrentValue is what the control holds now.
    virtual IRef<iTAVControlPart> ControlPart() = 0;
    // Make the framework run this binding's storage or display cycle now.
    virtual void RequestStore() = 0;
    virtual void RequestRedisplay() = 0;
};

}  // namespace tav
