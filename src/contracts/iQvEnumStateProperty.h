#pragma once
#include <cstdint>
#include <string_view>

#include "automation/values/Variant.h"

namespace tav {

// The items of an enumerated state property (a host object): names with 32-bit values, listed
// from 1 to ItemCount.
class iQvEnumStateProperty {
public:
    virtual ~iQvEnumStateProperty() = default;

    virtual int32_t ItemValue(std::string_view ItemName) = 0;
    virtual int32_t ItemCount() = 0;
    // Index: a 16-bit integer from 1; the name as a string Variant.
    virtual Variant ItemName(const Variant& Index) = 0;
};

}  // namespace tav
