#pragma once
#include <string>

#include "automation/objects/Interfaces.h"
#include "automation/values/Variant.h"
#include "contracts/iQvStateArray.h"

namespace tav {

// One named, typed property of a universal state object (a host object). A property may also
// be enumerated (iQvEnumStateProperty) or floating-point (iQvFloatStateProperty).
class iQvStateProperty {
public:
    virtual ~iQvStateProperty() = default;

    virtual std::string Name() = 0;
    virtual bool IsArray() = 0;
    // Whether the value is an object reference.
    virtual bool HoldsObject() = 0;
    virtual Variant Value() = 0;
    // Every write is a change the state announces (PropertyChange), whoever makes it.
    virtual void LetValue(const Variant& NewValue) = 0;
    // The elements of an array-valued property; Nothing for any other.
    virtual IRef<iQvStateArray> Array() = 0;
};

}  // namespace tav
