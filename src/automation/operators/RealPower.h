#pragma once
#include <bit>
#include <cmath>
#include <cstdint>

namespace tav {

// x raised to y exactly as std::pow computes it, with squares taken without calling pow.
//
// pow is accurate to 0.54 units in the last place. When the exact square lies within 0.45 units
// of the double nearest to it (that double is x * x), every other double is more than 0.55 units
// away, so x * x is the one value pow can return. An exact square that is a power of two has a
// closer neighbour below; x is then a power of two itself, and pow returns the exact square for
// every such x. Near a tie, where the exact error of x * x cannot be computed (near underflow,
// overflow) and for every other exponent, pow is called.
namespace real_power_detail {

inline constexpr uint64_t kExponentMask = 0x7FF0000000000000ULL;
inline constexpr uint64_t kMantissaMask = 0x000FFFFFFFFFFFFFULL;
// A double whose low 27 mantissa bits are clear has at most 26 significant bits: its square is exact.
inline constexpr uint64_t kShortMantissaMask = 0x0000000007FFFFFFULL;
inline constexpr int kMantissaBits = 52;
inline constexpr uint64_t kInfinityExponent = 0x7FF;
// Below this biased exponent the rounding error of a square may itself be subnormal.
inline constexpr uint64_t kLowestExactErrorExponent = 2 * kMantissaBits + 2;
inline constexpr double kSafeFractionOfUlp = 0.45;
// Veltkamp's split of a double into two halves of 26 bits each (2^27 + 1).
inline constexpr double kSplitter = 134217729.0;

// x * x - hi, exactly (hi is the rounded x * x, away from underflow and overflow).
inline double squareError(double x, double hi) {
#if defined(__FMA__)
    return std::fma(x, x, -hi);
#else
    const double c = kSplitter * x;
    const double xh = c - (c - x);
    const double xl = x - xh;
    return ((xh * xh - hi) + 2 * xh * xl) + xl * xl;
#endif
}

}  // namespace real_power_detail

// std::pow, called so that the compiler cannot see the exponent: knowing it is 2 it would turn the
// call into x * x, which is what this function must not do near a tie.
double libraryPow(double x, double y);

inline double realPower(double x, double y) {
    namespace d = real_power_detail;
    if (y == 2.0) {
        const double hi = x * x;
        const uint64_t bits = std::bit_cast<uint64_t>(hi);
        const uint64_t exponent = (bits & d::kExponentMask) >> d::kMantissaBits;
        if (exponent > d::kLowestExactErrorExponent && exponent < d::kInfinityExponent) {
            if ((std::bit_cast<uint64_t>(x) & d::kShortMantissaMask) == 0) return hi;  // lo is 0
            const double lo = d::squareError(x, hi);
            if (lo == 0.0) return hi;
            const double ulp = std::bit_cast<double>((exponent - d::kMantissaBits) << d::kMantissaBits);
            if ((bits & d::kMantissaMask) != 0 && std::fabs(lo) < d::kSafeFractionOfUlp * ulp) return hi;
        }
    }
    return libraryPow(x, y);
}

}  // namespace tav
