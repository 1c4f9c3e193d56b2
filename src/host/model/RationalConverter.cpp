#include "host/model/RationalConverter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/model/ModelText.h"

namespace tav::hostmodel {

namespace T = ModelText;

namespace {

// Integers a double holds exactly.
constexpr double kExactLimit = 9007199254740992.0;  // 2^53
constexpr int kMaxTerms = 64;
constexpr std::string_view kMinus = "-";
constexpr std::string_view kFractionBar = "/";

std::string integerText(double d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", d);
    return buf;
}

}  // namespace

ClassDesc RationalConverter::describe() {
    using C = RationalConverter;
    return ClassDesc(std::string(T::RationalConverter), std::string(T::RationalConverterHelp))
        .add(method<&C::Convert>(T::Convert, {T::ValueParam}));
}

std::string RationalConverter::Convert(double value) {
    if (!std::isfinite(value)) throwOverflow();
    const bool negative = value < 0;
    const double a = std::fabs(value);
    double num = std::round(a), den = 1;
    if (a < kExactLimit / MaxDenominator) {
        // Convergents h/k of the continued fraction of a.
        double h0 = 0, h1 = 1, k0 = 1, k1 = 0, rest = a;
        for (int i = 0; i < kMaxTerms; ++i) {
            const double term = std::floor(rest);
            const double h2 = term * h1 + h0, k2 = term * k1 + k0;
            if (k2 > MaxDenominator) break;
            h0 = h1, h1 = h2, k0 = k1, k1 = k2;
            if (std::fabs(a - h1 / k1) <= Tolerance * std::max(1.0, a)) break;
            const double frac = rest - term;
            if (frac <= 0) break;
            rest = 1 / frac;
        }
        num = h1, den = k1;
    }
    std::string text =
        (negative && num != 0 ? std::string(kMinus) : std::string()) + integerText(num);
    if (den != 1) text += std::string(kFractionBar) + integerText(den);
    return text;
}

}  // namespace tav::hostmodel
