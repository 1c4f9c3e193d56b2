#pragma once
#include <cstdint>

namespace tav {

// A floating-point state property (a host object): its PRECISION field, the number of
// decimals worth showing.
class iQvFloatStateProperty {
public:
    virtual ~iQvFloatStateProperty() = default;

    virtual int32_t Precision() = 0;
};

}  // namespace tav
