// The exponent rule of the conditional scientific text.
#include "glues/CondScientificFormat.h"

#include <gtest/gtest.h>

#include "GlueFakes.h"

namespace tav {
namespace {

using namespace fakes;
using CondScientificFormat::FormatForExponent;
using CondScientificFormat::Text;

TEST(CondScientificFormat, PlainForModerateMagnitudesScientificOtherwise) {
    struct Case {
        const char* value;
        const char* text;
    };
    const Case cases[] = {
        {"R8:12.3456", "12.346"},
        {"R8:1234.5", "1235"},
        {"R8:0.0012345", "0.0012345"},
        {"R8:0.00012", "1.2e-4"},
        {"R8:12000", "1.2e4"},
        {"R8:0", "0.0"},
        {"R8:-12.3456", "-12.346"},
        {"R8:1", "1.0"},
        {"R8:0.5", "0.5"},
        {"I4:100", "100.0"},
        {"R8:9999.6", "1.0e4"},
        {"R8:1.5e300", "1.5e300"},
        {"R8:-0.000123456", "-1.235e-4"},
        {"Str:\"12.3456\"", "12.346"},
        {"Str:\"abc\"", "abc"},
        {"Str:\"\"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Text(lit(c.value)), c.text) << c.value;
}

TEST(CondScientificFormat, FormatPerExponent) {
    struct Case {
        const char* exponent;
        const char* format;
    };
    const Case cases[] = {
        {"-4", "0.0##e-0"}, {"-3", "0.0######"}, {"-2", "0.0#####"}, {"-1", "0.0####"},
        {"0", "0.0###"},    {"1", "0.0##"},      {"2", "0.0#"},      {"3", "0"},
        {"4", "0.0##e-0"},  {"llo", "0.0##e-0"}, {"2.5", "0.0#"},  // read as a number and rounded
                                                                   // half to even
        {"", "0.0##e-0"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatForExponent(c.exponent), c.format) << c.exponent;
}

TEST(CondScientificFormat, Failures) {
    EXPECT_EQ(failure([] { Text(Variant::Null()); }), "94||Invalid use of Null");
    // A text is returned by the scientific format as it is, so its "exponent" is whatever
    // follows its first "e".
    EXPECT_EQ(failure([] { Text(Variant("xe99999")); }), "6||Overflow");
    EXPECT_EQ(Text(Variant("hello")), "hello");
}

}  // namespace
}  // namespace tav
