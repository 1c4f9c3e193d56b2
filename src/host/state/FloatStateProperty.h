#pragma once
#include <cstdint>
#include <string>

#include "contracts/iQvFloatStateProperty.h"
#include "host/state/StateProperty.h"

namespace tav {

// A floating-point state property (R4 or R8) with its PRECISION: how many decimals are worth
// showing.
class FloatStateProperty : public StateProperty, public iQvFloatStateProperty {
public:
    static const ClassDesc& table();
    const ClassDesc* classDesc() const override { return &table(); }

    // A type other than R4 or R8 is error 5.
    FloatStateProperty(std::string name, VarType type, int32_t precision, const Variant& value);

    int32_t Precision() override { return precision_; }
    void SetPrecision(int32_t NewValue) { precision_ = NewValue; }

private:
    int32_t precision_;
};

}  // namespace tav
