// Text to dates beyond the conformance vectors: two-digit and missing years (with the current
// year fixed), time forms and what is refused. (Other locales: tests/data/<locale>.tsv.)
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

double at(int y, int m, int d, int hh, int mm, int ss = 0) {
    return *date::combine(serial(y, m, d), hh, mm, ss);
}

struct DateCase {
    const char* text;
    double expected;
};

TEST(ParseDate, ReadsTheFormsOfTheLocale) {
    const DateCase cases[] = {
        {"1/2/99", serial(1999, 1, 2)},  // two-digit years fall in 1930..2029
        {"1/2/29", serial(2029, 1, 2)},
        {"1/2/30", serial(1930, 1, 2)},
        {"1/2", serial(ThisYear, 1, 2)},
        {"Feb 3", serial(ThisYear, 2, 3)},
        {"3 february", serial(ThisYear, 2, 3)},
        {"2000 Jan 2", serial(2000, 1, 2)},
        {"1/2000", serial(2000, 1, 1)},
        {"2000-12", serial(2000, 12, 1)},
        {"Wednesday, 2 february 2000 3:04:05 pm", at(2000, 2, 2, 15, 4, 5)},
        {"3:04 PM 2/1/2000", at(2000, 2, 1, 15, 4)},
        {"12:59 am", at(1899, 12, 30, 0, 59)},
        {"0 pm", at(1899, 12, 30, 12, 0)},
        {"1.2.3", at(1899, 12, 30, 1, 2, 3)},
        {"12/29/1899 6:00", -1.25},  // the time counts forward from midnight on negative days
        {"\t1/2/2000\u00a0", serial(2000, 1, 2)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dateparse::read(c.text, Locale::enUS(), ThisYear), c.expected) << c.text;
}

TEST(ParseDate, RefusesWhatIsNoDate) {
    for (const char* text : {"",
                             "   ",
                             "1",
                             "Jan",
                             "Saturday",
                             "PM",
                             "1:60",
                             "1:2:60",
                             "1:2:3:4",
                             "1/2/3/4",
                             "Jan Feb 2000",
                             "1/2/2000 1:00 2:00",
                             "2/30/2000",
                             "13/13/2000",
                             "1/1/99999",
                             "1/2/2000T10:00",
                             "1 2 3 4",
                             "1/2/2000 PM",
                             "99999999999999/1/1"})
        EXPECT_FALSE(dateparse::read(text, Locale::enUS(), ThisYear)) << text;
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
