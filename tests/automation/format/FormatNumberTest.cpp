// Number formats with arguments and sizes the behaviour vectors cannot carry: extreme
// magnitudes, thousands of placeholders, week settings, the compiled-format cache. The layout,
// section and type cases are lines of tests/data/library-choices.tsv.
#include <gtest/gtest.h>

#include <string>

#include "FormatTestSupport.h"

namespace tav {
namespace {

using testing::formatted;

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
