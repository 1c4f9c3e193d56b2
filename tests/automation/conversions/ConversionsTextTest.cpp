// Numbers, currency and dates to text: the digit rounding and layout rules, and the date and
// time pictures of the locale.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/conversions/DateText.h"
#include "automation/values/ErrorNumbers.h"

using namespace tav;

namespace {

struct NumberCase {
    double value;
    int digits;
    const char* expected;
};

TEST(NumberToText, RoundsToTheSignificantDigitsAndLaysOutLikeThePlatform) {
    const NumberCase cases[] = {
        {9.999999999999998, 15, "10"},          // rounding carries into a new digit
        {99999.96, 6, "100000"},                // ... up to the plain limit
        {999999.7, 6, "1E+06"},                 // ... and past it
        {9.999999999999999e-05, 15, "0.0001"},  // ... and back into the plain range
        {123.456, 1, "1E+02"},
        {123.456, 0, "1E+02"},  // fewer than one digit counts as one
        {1.0 / 3, 40, "0.3333333333333333148296162562473909929395"},
        {-0.0001, 15, "-0.0001"},
        {1e100, 15, "1E+100"},
        {-1.5e-300, 7, "-1.5E-300"},
        {12345678, 7, "1.234568E+07"},
        {1234567, 7, "1234567"},
    };
    for (const auto& c : cases) EXPECT_EQ(numberToText(c.value, c.digits), c.expected) << c.value;
}

TEST(NumberToText, SpellsInfinitiesAndNaN) {
    EXPECT_EQ(numberToText(std::numeric_limits<double>::infinity()), "1.#INF");
    EXPECT_EQ(numberToText(-std::numeric_limits<double>::infinity()), "-1.#INF");
    EXPECT_EQ(numberToText(std::numeric_limits<double>::quiet_NaN()), "1.#QNAN");
    EXPECT_EQ(numberToText(-std::numeric_limits<double>::quiet_NaN()), "-1.#IND");
}

// (Dates as text, and serials without a calendar date: tests/data/change-type.tsv.)
TEST(DateToText, ANaNSerialIsAnInvalidArgument) {
    try {
        dateToText(std::numeric_limits<double>::quiet_NaN());
        ADD_FAILURE();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::InvalidProcedureCall);
    }
}

TEST(DatePicture, RendersEveryToken) {
    const auto civil =
        date::toCivil(36527 + (13 * 3600 + 4 * 60 + 5) / 86400.0);  // Sun 2 Jan 2000 13:04:05
    ASSERT_TRUE(civil);
    const Locale& loc = Locale::enUS();
    const std::pair<const char*, const char*> cases[] = {
        {"dddd, MMMM d, yyyy", "Sunday, January 2, 2000"},
        {"ddd dd MMM MM M yy y", "Sun 02 Jan 01 1 00 0"},
        {"h:mm:ss tt", "1:04:05 PM"},
        {"HH:m:s t", "13:4:5 P"},
        {"hh 'o''clock' 'd", "01 oclock d"},
    };
    for (auto [picture, expected] : cases) {
        std::string out;
        datetext::appendPicture(out, *civil, picture, loc);
        EXPECT_EQ(out, expected) << picture;
    }
}

}  // namespace
