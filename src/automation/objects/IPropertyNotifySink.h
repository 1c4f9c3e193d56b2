#pragma once
#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/DispatchTypes.h"

namespace tav {

// The standard property-change sink: an object announces that the property with a dispatch
// id changed. Objects that raise it implement PropertyNotifySource, through which a listener
// connects without knowing the object's class.
class IPropertyNotifySink {
public:
    virtual ~IPropertyNotifySink() = default;
    virtual void OnChanged(DispId id) = 0;
};

class PropertyNotifySource {
public:
    virtual ~PropertyNotifySource() = default;
    virtual ConnectionPoint<IPropertyNotifySink>& propertyNotifyPoint() = 0;
};

}  // namespace tav
