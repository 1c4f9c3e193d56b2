// Text to dates beyond the behaviour vectors: missing years, with the current year fixed or not.
// (Two-digit years, time forms and what is refused: tests/data/text-dates.tsv; other locales:
// tests/data/<locale>.tsv.)
#include <gtest/gtest.h>

#include <ctime>

#include "automation/conversions/Conversions.h"
#include "automation/conversions/DateMath.h"
#include "automation/conversions/DateParser.h"

using namespace tav;

namespace {

constexpr int ThisYear = 2024;

double serial(int y, int m, int d) {
    return *date::serialFromDate(y, m, d);
}

struct DateCase {
    const char* text;
    double expected;
};

// Dates without a year take the year asked for. (Forms with a year and text that is no date
// are lines of tests/data/text-dates.tsv.)
TEST(ParseDate, ReadsTheFormsOfTheLocale) {
    const DateCase cases[] = {
        {"1/2", serial(ThisYear, 1, 2)},
        {"Feb 3", serial(ThisYear, 2, 3)},
        {"3 february", serial(ThisYear, 2, 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dateparse::read(c.text, Locale::enUS(), ThisYear), c.expected) << c.text;
}

TEST(ParseDate, DatesWithoutAYearTakeTheCurrentOne) {
    const auto d = parseDate("1/2");
    ASSERT_TRUE(d);
    const auto civil = date::toCivil(*d);
    ASSERT_TRUE(civil);
    EXPECT_EQ(civil->month, 1);
    EXPECT_EQ(civil->day, 2);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(civil->year, local.tm_year + 1900);
}

}  // namespace
