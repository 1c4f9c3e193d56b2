#pragma once
#include <cstdint>

#include "automation/objects/Interfaces.h"
#include "automation/values/Variant.h"
#include "contracts/iQvStateProperty.h"

namespace tav {

// The properties of a universal state object in their defined order (a host object).
class iQvStateProperties {
public:
    virtual ~iQvStateProperties() = default;

    virtual int32_t Count() = 0;
    // Index: a 16-bit integer from 1; outside 1..Count is error 9.
    virtual IRef<iQvStateProperty> Item(const Variant& Index) = 0;
};

}  // namespace tav
