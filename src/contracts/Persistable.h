#pragma once
#include <string_view>

#include "automation/objects/ClassDesc.h"
#include "automation/objects/ConnectionPoint.h"
#include "automation/values/Guid.h"
#include "automation/values/Object.h"
#include "automation/objects/PropertyBag.h"

namespace tav {

// Hears that a persistable object's design-time property changed, by the property's name;
// the host uses it to know that its saved form is stale.
class IPropertyChangedSink {
public:
    virtual ~IPropertyChangedSink() = default;
    virtual void OnPropertyChanged(std::string_view PropertyName) = 0;
};

// The persistable-object protocol: a newly placed object gets InitProperties, a loaded one
// ReadProperties with the form's bag, saving calls WriteProperties. Every property let of a
// persistable part ends with PropertyChanged(its name), which the host hears through
// propertyChanges().
class Persistable {
public:
    static constexpr Guid iid{"{B4059E5A-478F-4DF0-A987-F4C0D0EBEEF0}"};
    static const InterfaceDesc& describeInterface();
    virtual ~Persistable() = default;

    virtual void InitProperties() = 0;
    virtual void ReadProperties(const Ref<PropertyBag>& PropBag) = 0;
    virtual void WriteProperties(const Ref<PropertyBag>& PropBag) = 0;

    ConnectionPoint<IPropertyChangedSink>& propertyChanges() { return changes_; }

protected:
    void PropertyChanged(std::string_view PropertyName) {
        changes_.fire([&](IPropertyChangedSink& s) { s.OnPropertyChanged(PropertyName); });
    }

private:
    ConnectionPoint<IPropertyChangedSink> changes_;
};

}  // namespace tav
