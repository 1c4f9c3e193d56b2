#pragma once
#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/IPropertyNotifySink.h"
#include "host/objects/AutoObject.h"

namespace tav {

// An automation object with run-time properties that announces, after every successful let
// or set of one of them, that the property with that member id changed (Host.NotifyingObject).
class NotifyingObject : public AutoObject, public PropertyNotifySource {
public:
    static const ClassDesc& table();
    NotifyingObject() : AutoObject(table()) {}

    ConnectionPoint<IPropertyNotifySink>& propertyNotifyPoint() override { return changes_; }

private:
    void propertyChanged(DispId id) override {
        changes_.fire([id](IPropertyNotifySink& sink) { sink.OnChanged(id); });
    }

    ConnectionPoint<IPropertyNotifySink> changes_;
};

}  // namespace tav
