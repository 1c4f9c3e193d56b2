#pragma once
#include <string>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVRationalConverter.h"

namespace tav::hostmodel {

// The host's rational converter (Host.RationalConverter): a number as the text of the nearest
// fraction with a denominator up to MaxDenominator ("1/2", "-3/4", "2"), found by continued
// fractions and ended as soon as the fraction is within Tolerance (relative) of the number.
// Infinities and NaN have no fraction (error 6).
class RationalConverter : public Dispatchable<RationalConverter>, public iTAVRationalConverter {
  public:
    static constexpr double MaxDenominator = 1e6;
    static constexpr double Tolerance = 1e-9;

    static ClassDesc describe();
    std::string Convert(double value) override;
};

}  // namespace tav::hostmodel
