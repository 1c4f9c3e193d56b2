#pragma once
#include "automation/objects/ClassDesc.h"
#include "automation/values/Guid.h"
#include "automation/values/Variant.h"

namespace tav {

// The control end of a binding (a host object).
class iTAVControlPart {
public:
    static constexpr Guid iid{"{50E356F1-8457-4553-8E2D-810E7CC07FCC}"};
    static const InterfaceDesc& describeInterface();
    virtual ~iTAVControlPart() = default;

    // What the control holds now.
    virtual Variant CurrentValue() = 0;
};

}  // namespace tav
