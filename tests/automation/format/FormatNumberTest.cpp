// Number formats beyond the conformance vectors: scaling commas, padding, literal placement,
// exponent placeholders, extreme magnitudes, the section rules and the named number formats.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FormatTestSupport.h"

namespace tav {
namespace {

using testing::FormatCase;
using testing::formatted;

class FormatNumber : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, GivesText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatted(c.value, c.format), c.expected);
}

const FormatCase kLayout[] = {
    // Commas right of the last integer digit scale by 1000 each; between digits they group.
    {Variant::R8(1234567.891), "#,##0,.00", "1,234.57"},
    {Variant::R8(1234567), "0,,", "1"},
    {Variant::R8(1500000), "0.0,,\" M\"", "1.5 M"},
    {Variant::R8(999), "0,", "1"},
    {Variant::R8(5), ",0", ",5"},
    // A '0' pads every place right of it, even a '#' one.
    {Variant::R8(5), "0,000", "0,005"},
    {Variant::R8(5), "0#0", "005"},
    {Variant::R8(1.5), "0.#0", "1.50"},
    {Variant::R8(1.05), "0.#0", "1.05"},
    // Without integer places the integer digits stand before the point.
    {Variant::R8(12.5), ".00", "12.50"},
    {Variant::R8(0.5), ".##", ".5"},
    // Rounding up to the next power of ten, and half away from zero.
    {Variant::R8(0.6), "0", "1"},
    {Variant::R8(-2.5), "0", "-3"},
    {Variant::R8(9.995), "0.00", "10.00"},
    // The sign goes in front of everything the first section writes.
    {Variant::R8(-5), "$0.00", "-$5.00"},
    {Variant::R8(-5), "\"lit\"0", "-lit5"},
    // Letters that are not placeholders are text in a number format.
    {Variant::R8(5), "0 units", "5 units"},
    {Variant::R8(1234.5), "#,##0.00 \"EUR\"", "1,234.50 EUR"},
    {Variant::R8(5), "0%%", "500%%"},
    // Exponents: '#' places, a '+' that is always written; E+ without places shows one digit,
    // E without a sign is text.
    {Variant::R8(1234), "0.00E+#", "1.23E+3"},
    {Variant::R8(1), "0.00E+#", "1.00E+0"},
    {Variant::R8(0.00012), "0.0e+00", "1.2e-04"},
    {Variant::R8(5), "0E", "5E"},
    {Variant::R8(5), "0E+", "5E+0"},
    {Variant::R8(5e-324), "0.000E+000", "4.941E-324"},
    {Variant::R8(1.7976931348623157e308), "0.0E+0", "1.8E+308"},
};
INSTANTIATE_TEST_SUITE_P(Layout, FormatNumber, ::testing::ValuesIn(kLayout));

const FormatCase kSections[] = {
    {Variant::R8(-5), ";\"neg\"", "neg"},
    {Variant::R8(5), ";\"neg\"", "5"},  // an empty first section shows the plain number
    {Variant::R8(-5), "0;", "-5"},
    {Variant::R8(-0.0), "0;(0);\"z\"", "z"},
    {Variant::R8(-5), "0;(0);z;n;extra", "(5)"},
    {Variant::Null(), "0;0;0;\"nothing\"", "nothing"},
    {Variant::Null(), "0;0;0;0.00", "0.00"},
    {Variant::Null(), "0;0;0;", "<Null>"},
    {Variant(), "0;-0;\"zero\"", "zero"},
    {Variant(), "0.00", "0.00"},
};
INSTANTIATE_TEST_SUITE_P(Sections, FormatNumber, ::testing::ValuesIn(kSections));

const FormatCase kTypes[] = {
    {Variant::Currency(std::numeric_limits<int64_t>::min()), "0.0000", "-922337203685477.5808"},
    {Variant::Currency(std::numeric_limits<int64_t>::max()), "General Number",
     "922337203685477.5807"},
    {Variant::Currency(std::numeric_limits<int64_t>::max()), "#,##0.00", "922,337,203,685,477.58"},
    {Variant::R4(0.1f), "0.0000000000", "0.1000000000"},  // singles carry 7 digits
    {Variant::R4(16777216.0f), "General Number", "1.677722E+07"},
    {Variant::Date(36526.5), "0.00", "36526.50"},
    {Variant::Date(36526.5), "Fixed", "36526.50"},
    {Variant::UI1(0), "Yes/No", "No"},
    {Variant("abc"), "0.00", "abc"},
    {Variant("abc"), "Yes/No", "abc"},
    {Variant("abc"), "General Number", "abc"},
    {Variant(), "General Number", "0"},
    // No format: the value's own text.
    {Variant(), "", ""},
    {Variant::Bool(true), "", "True"},
    {Variant::R8(12.5), "", "12.5"},
    {Variant::R8(1e15), "", "1E+15"},
    {Variant::R8(0.00001), "", "1E-05"},
    {Variant::Date(36526.5), "", "1/1/2000 12:00:00 PM"},
    {Variant::I2(-7), "", "-7"},
};
INSTANTIATE_TEST_SUITE_P(Types, FormatNumber, ::testing::ValuesIn(kTypes));

const FormatCase kErrors[] = {
    {Variant::Error(int32_t(0x800A0005u)), "0", "<Err:13>"},
    {Variant::Error(int32_t(0x800A0005u)), "", "<Err:13>"},
    {Variant::Nothing(), "0.00", "<Err:13>"},
    {Variant::R8(std::numeric_limits<double>::infinity()), "0", "<Err:6>"},
    {Variant::R8(std::nan("")), "General Number", "<Err:6>"},
};
INSTANTIATE_TEST_SUITE_P(Errors, FormatNumber, ::testing::ValuesIn(kErrors));

TEST(FormatNumberExtremes, FixedPointShowsEveryDigitOfHugeAndTinyValues) {
    EXPECT_EQ(formatted(Variant::R8(1e300), "0"), "1" + std::string(300, '0'));
    EXPECT_EQ(formatted(Variant::R8(1e-300), "0.00"), "0.00");
    EXPECT_EQ(formatted(Variant::R8(1e-300), "0." + std::string(301, '0')),
              "0." + std::string(299, '0') + "10");
    EXPECT_EQ(formatted(Variant::R8(-1e-300), "#"), "-");
}

TEST(FormatNumberExtremes, ThousandsOfPlaceholders) {
    EXPECT_EQ(formatted(Variant::R8(5), std::string(5000, '0')), std::string(4999, '0') + "5");
    EXPECT_EQ(formatted(Variant::R8(0.5), "0." + std::string(5000, '#')), "0.5");
    EXPECT_EQ(formatted(Variant::R8(123456), "0" + std::string(5000, ',')), "0");
    EXPECT_EQ(formatted(Variant::R8(1.5), "0.0E+" + std::string(3000, '0')),
              "1.5E+" + std::string(3000, '0'));
}

TEST(FormatNumberArguments, WeekSettingsOutOfRangeAreInvalid) {
    EXPECT_EQ(formatted(Variant::R8(1), "0", 8, 1), "<Err:5>");
    EXPECT_EQ(formatted(Variant::R8(1), "0", -1, 1), "<Err:5>");
    EXPECT_EQ(formatted(Variant::R8(1), "0", 1, 4), "<Err:5>");
    EXPECT_EQ(formatted(Variant::R8(1), "0", 0, 0), "1");  // 0 = the system's setting
}

// The compiled formats are cached per thread; eviction and formats too long to keep must not
// change any answer.
TEST(FormatNumberCache, ManyFormatsInTurnKeepTheirAnswers) {
    // 1.5555555555555556 is 1.55555555555556 to 15 digits; each format rounds it further.
    for (int round = 0; round < 3; ++round) {
        for (size_t places = 1; places < 15; ++places) {
            const std::string format = "0." + std::string(places, '0');
            EXPECT_EQ(formatted(Variant::R8(1.5555555555555556), format),
                      "1." + std::string(places - 1, '5') + "6")
                << format;
        }
    }
    const std::string longFormat = std::string(400, '#') + "0.00";
    EXPECT_EQ(formatted(Variant::R8(3.14159), longFormat), "3.14");
    EXPECT_EQ(formatted(Variant::R8(2.5), longFormat), "2.50");
}

}  // namespace
}  // namespace tav
