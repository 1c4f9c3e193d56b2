#pragma once
#include <cstdint>

#include "automation/values/Variant.h"

namespace tav {

// The elements of an array-valued state property (a host object), indexed from 1 to Count.
// An index outside that range is error 9.
class iQvStateArray {
public:
    virtual ~iQvStateArray() = default;

    virtual int32_t Count() = 0;
    virtual Variant Item(int32_t Index) = 0;
    // Writing an element is a change of its property: the state announces it.
    virtual void LetItem(int32_t Index, const Variant& NewValue) = 0;
};

}  // namespace tav
