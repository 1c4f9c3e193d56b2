#pragma once
#include "automation/objects/ClassDesc.h"
#include "automation/values/Guid.h"
#include "automation/objects/Interfaces.h"

namespace tav {

class iTAVControlFinder;
class iTAVSourcePart;

// The binding that owns a binding item (a host object).
class iTAVParentBinding {
public:
    static constexpr Guid iid{"{EA362313-F8C8-4097-83CA-35BE2C0A800B}"};
    static const InterfaceDesc& describeInterface();
    virtual ~iTAVParentBinding() = default;

    virtual bool DesignTime() = 0;
    virtual IRef<iTAVControlFinder> ControlFinder() = 0;
    virtual IRef<iTAVSourcePart> SourcePart() = 0;
};

}  // namespace tav
