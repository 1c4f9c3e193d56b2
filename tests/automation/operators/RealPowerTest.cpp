// Squares taken without pow must be bit for bit what pow gives, for every kind of input: powers
// of two, whole numbers, values of every magnitude, squares near a rounding tie, and the values
// where no shortcut may be taken.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "automation/operators/RealPower.h"

namespace {

using tav::realPower;

constexpr double kTwo = 2.0;

// The library's pow: a constant exponent of 2 would let the compiler turn the call into x * x.
double libraryPow(double x, double y) {
    volatile double exponent = y;
    return std::pow(x, exponent);
}

// Bitwise, so that -0/+0 and NaN payloads count.
::testing::AssertionResult sameAsPow(double x) {
    const double ours = realPower(x, kTwo);
    const double reference = libraryPow(x, kTwo);
    if (std::bit_cast<uint64_t>(ours) == std::bit_cast<uint64_t>(reference) ||
        (std::isnan(ours) && std::isnan(reference)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "x = " << std::hexfloat << x << ": " << ours << " vs pow " << reference;
}

TEST(RealPower, PowersOfTwoAndWholeNumbers) {
    for (int e = -1074; e <= 1023; ++e) {
        ASSERT_TRUE(sameAsPow(std::ldexp(1.0, e)));
        ASSERT_TRUE(sameAsPow(-std::ldexp(1.0, e)));
    }
    for (int i = 0; i <= 200000; ++i) ASSERT_TRUE(sameAsPow(i));
}

TEST(RealPower, RandomValuesOfEveryMagnitude) {
    std::mt19937_64 rng(20261206);
    std::uniform_int_distribution<int> exponent(-1074, 1023);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    for (int i = 0; i < 1000000; ++i) {
        const double x = std::ldexp(mantissa(rng), exponent(rng));
        ASSERT_TRUE(sameAsPow(i % 2 ? x : -x));
    }
    // Every bit pattern is a double too: subnormals, infinities and NaNs among them.
    for (int i = 0; i < 200000; ++i) ASSERT_TRUE(sameAsPow(std::bit_cast<double>(rng())));
}

// x = m + 2^-27 style values put the exact square right at, or next to, a tie between two
// doubles: the cases where only pow may decide.
TEST(RealPower, SquaresNearATie) {
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<uint64_t> small(1, (uint64_t{1} << 26) - 1);
    for (int i = 0; i < 200000; ++i) {
        const double a = static_cast<double>(small(rng) | (uint64_t{1} << 26));
        const double x = std::ldexp(a, -26) + std::ldexp(1.0, -27);
        ASSERT_TRUE(sameAsPow(x));
        ASSERT_TRUE(sameAsPow(std::nextafter(x, 0.0)));
        ASSERT_TRUE(sameAsPow(std::nextafter(x, kTwo)));
    }
}

TEST(RealPower, SpecialValuesAndOtherExponents) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {0.0, -0.0, inf, -inf, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(), 1e154, 1e-154})
        EXPECT_TRUE(sameAsPow(x));
    EXPECT_EQ(realPower(2.5, 3), 15.625);
    EXPECT_EQ(realPower(10, -5), libraryPow(10, -5));
    EXPECT_TRUE(std::isnan(realPower(-8, 1.0 / 3)));
}

}  // namespace
