// The decimal form the formatter rounds: 15 (or 7) significant digits, half away from zero.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <limits>
#include <string>

#include "automation/format/DecimalDigits.h"

namespace tav {
namespace {

// "digits@pointPos", e.g. 0.125 is "125@0", 1000 is "1@4", zero is "@0".
std::string show(const DecimalDigits& d) {
    std::string s;
    for (int i = 0; i < d.count(); ++i) s += d.digit(i);
    return s + "@" + std::to_string(d.isZero() ? 0 : d.pointPos());
}

struct RoundCase {
    double value;
    int decimals;
    std::string_view expected;
};

class DecimalRounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(DecimalRounding, RoundsHalfAwayFromZeroOnFifteenDigits) {
    const RoundCase& c = GetParam();
    DecimalDigits d = DecimalDigits::fromDouble(c.value);
    d.roundToDecimals(c.decimals);
    EXPECT_EQ(show(d), c.expected) << c.value << " to " << c.decimals;
}

const RoundCase kRounding[] = {
    {1.005, 2, "101@1"},  // 1.00500000000000 in 15 digits
    {2.5, 0, "3@1"},
    {0.5, 0, "1@1"},
    {0.49999999999999994, 0, "1@1"},  // 0.500000000000000 in 15 digits
    {999.5, 0, "1@4"},
    {0.04, 1, "@0"},
    {0.0004, 2, "@0"},
    {123.456, -1, "12@3"},
    {0.30000000000000004, 20, "3@0"},
    {1e22, 0, "1@23"},
    {1.2345678901234568e17, 0, "123456789012346@18"},
};
INSTANTIATE_TEST_SUITE_P(Values, DecimalRounding, ::testing::ValuesIn(kRounding));

TEST(DecimalDigitsForm, ReadsEachSourceExactlyOrToItsDigits) {
    EXPECT_EQ(show(DecimalDigits::fromDouble(-0.1)), "1@0");  // the magnitude only
    EXPECT_EQ(show(DecimalDigits::fromDouble(0.1f, DecimalDigits::SingleDigits)), "1@0");
    EXPECT_EQ(show(DecimalDigits::fromDouble(0.1f)), "100000001490116@0");
    EXPECT_EQ(show(DecimalDigits::fromDouble(5e-324)), "494065645841247@-323");
    EXPECT_EQ(show(DecimalDigits::fromDouble(std::nan(""))), "@0");
    EXPECT_EQ(show(DecimalDigits::fromScaled(12345678, 4)), "12345678@4");
    EXPECT_EQ(show(DecimalDigits::fromScaled(std::numeric_limits<uint64_t>::max())),
              "18446744073709551615@20");
    EXPECT_EQ(show(DecimalDigits::fromScaled(1000)), "1@4");
}

// Doubles of every magnitude, rounded to every digit count, read as the exact binary value
// rounded half to even (the short way through the shortest text must agree).
TEST(DecimalDigitsForm, AnyDoubleRoundsToItsDigitsFromItsExactValue) {
    std::mt19937_64 bits(20240229);
    std::uniform_int_distribution<int> mantissas(1, 999999), exponents(-30, 30);
    for (int i = 0; i < 40000; ++i) {
        // Half of any bit pattern, half decimal-looking numbers (whose shortest texts are short).
        const double d = i % 2 ? std::bit_cast<double>(bits() & ~(uint64_t{1} << 63))
                               : mantissas(bits) * std::pow(10.0, exponents(bits));
        if (!std::isfinite(d) || d == 0) continue;
        for (int significant : {1, 2, 7, 14, 15, 16}) {
            char buf[48];
            *std::to_chars(buf, buf + sizeof buf - 1, d, std::chars_format::scientific, significant - 1).ptr = '\0';
            std::string digits;
            const char* p = buf;
            for (; *p != 'e'; ++p)
                if (*p != '.') digits += *p;
            while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
            const std::string expected = digits + "@" + std::to_string(std::atoi(p + 1) + 1);
            ASSERT_EQ(show(DecimalDigits::fromDouble(d, significant)), expected) << d << " to " << significant;
        }
    }
}

TEST(DecimalDigitsForm, SignificantRoundingAndMantissa) {
    DecimalDigits d = DecimalDigits::fromDouble(99.995);
    d.roundToSignificant(4);
    EXPECT_EQ(show(d), "1@3");
    EXPECT_EQ(d.normaliseMantissa(1), 2);
    EXPECT_EQ(d.digitAtPower(0), '1');
    EXPECT_EQ(d.integerDigits(), 1);
}

TEST(DecimalDigitsForm, ShiftsAreClampedInsteadOfOverflowing) {
    DecimalDigits d = DecimalDigits::fromDouble(1.5);
    for (int i = 0; i < 100; ++i) d.shift(std::numeric_limits<int>::max());
    EXPECT_GT(d.pointPos(), 0);
    d.roundToDecimals(std::numeric_limits<int>::max());
    for (int i = 0; i < 100; ++i) d.shift(std::numeric_limits<int>::min());
    EXPECT_LT(d.pointPos(), 0);
    d.roundToDecimals(2);
    EXPECT_TRUE(d.isZero());
}

}  // namespace
}  // namespace tav
