// Date formats with arguments the behaviour vectors cannot carry: week numbering and other
// locales. (Twelve-hour clocks, the tokens c and ttttt, Medium Date, minutes against months and
// out-of-range serials are lines of tests/data/format-dates.tsv.)
#include <gtest/gtest.h>

#include "FormatTestSupport.h"

namespace tav {
namespace {

using testing::formatted;

constexpr double kJan1st2000 = 36526;  // a Saturday
constexpr double kSixPm = 0.75;
constexpr double kOnePm = 13.0 / 24;

struct WeekCase {
    double serial;
    int firstDay;
    int firstWeek;
    std::string_view expected;  // "w ww"
};

std::ostream& operator<<(std::ostream& os, const WeekCase& c) {
    return os << "serial " << c.serial << ", first day " << c.firstDay << ", first week "
              << c.firstWeek;
}

class FormatWeeks : public ::testing::TestWithParam<WeekCase> {};

TEST_P(FormatWeeks, CountsWeekdaysAndWeeks) {
    const WeekCase& c = GetParam();
    EXPECT_EQ(formatted(Variant::Date(c.serial), "w ww", c.firstDay, c.firstWeek), c.expected);
}

// 1 January 2000 is a Saturday, 2 January a Sunday, 3 January a Monday.
const WeekCase kWeeks[] = {
    {kJan1st2000, 1, 1, "7 1"},
    {kJan1st2000 + 1, 1, 1, "1 2"},
    {kJan1st2000, 1, 2, "7 52"},
    {kJan1st2000 + 1, 1, 2, "1 1"},
    {kJan1st2000, 1, 3, "7 52"},
    {kJan1st2000 + 1, 1, 3, "1 1"},
    {kJan1st2000, 2, 2, "6 52"},
    {kJan1st2000 + 1, 2, 2, "7 52"},
    {kJan1st2000 + 2, 2, 2, "1 1"},
    {kJan1st2000 + 365, 1, 1, "1 54"},  // 31 December 2000
    {kJan1st2000, 0, 0, "7 1"},         // 0 = the system's settings (Sunday, week of 1 January)
    {kJan1st2000 + 366 + 364, 2, 2, "1 53"},  // 31 December 2001: DatePart counts on
};
INSTANTIATE_TEST_SUITE_P(Weeks, FormatWeeks, ::testing::ValuesIn(kWeeks));

// A locale with other separators, names and pictures: named formats and separators follow the
// locale of the call, even for a format text compiled before under another locale.
TEST(FormatDateLocale, NamedFormatsAndSeparatorsFollowTheLocale) {
    Locale de;
    de.dateSeparator = '.';
    de.decimalSeparator = ',';
    de.thousandsSeparator = '.';
    de.currencySymbol = "EUR ";
    de.monthNames[0] = "Januar";
    de.dayNames[6] = "Samstag";
    de.amDesignator = "vorm.";
    de.pmDesignator = "nachm.";
    de.shortDatePicture = "dd.MM.yyyy";
    de.longDatePicture = "dddd, d. MMMM yyyy 'um' H 'Uhr'";
    de.timePicture = "HH:mm:ss";
    const Variant v = Variant::Date(kJan1st2000 + kSixPm);

    EXPECT_EQ(formatted(v, "Short Date"), "1/1/2000");
    EXPECT_EQ(formatted(v, "Short Date", 1, 1, de), "01.01.2000");
    EXPECT_EQ(formatted(v, "Long Date", 1, 1, de), "Samstag, 1. Januar 2000 um 18 Uhr");
    EXPECT_EQ(formatted(v, "General Date", 1, 1, de), "01.01.2000 18:00:00");
    EXPECT_EQ(formatted(v, "d/m/yy h AMPM", 1, 1, de), "1.1.00 6 nachm.");
    EXPECT_EQ(formatted(Variant::R8(1234567.5), "Currency", 1, 1, de), "EUR 1.234.567,50");
    EXPECT_EQ(formatted(Variant::R8(1234567.5), "Currency"), "$1,234,567.50");
    EXPECT_EQ(formatted(Variant::R8(-0.5), "Standard", 1, 1, de), "-0,50");
}

// Texts of any length come out whole: names and pictures longer than the few dozen characters
// a date usually takes, and a custom format that repeats its tokens.
TEST(FormatDateLocale, LongTextsComeOutWhole) {
    Locale loc;
    const std::string name(150, 'x');
    loc.dayNames[6] = name;
    loc.longDatePicture = "dddd '" + std::string(100, '-') + "' dddd";
    const Variant v = Variant::Date(kJan1st2000);
    EXPECT_EQ(formatted(v, "Long Date", 1, 1, loc), name + " " + std::string(100, '-') + " " + name);
    std::string repeated, expected;
    for (int i = 0; i < 40; ++i) repeated += "yyyy-mm-dd ", expected += "2000-01-01 ";
    EXPECT_EQ(formatted(v, repeated), expected);
}

TEST(FormatDateLocale, PicturesQuoteAndAbbreviate) {
    Locale loc;
    loc.shortDatePicture = "yy-M-d 'it''s' ddd MMM";
    loc.timePicture = "h:m:s t";
    EXPECT_EQ(formatted(Variant::Date(kJan1st2000 + kOnePm), "General Date", 1, 1, loc),
              "00-1-1 it's Sat Jan 1:0:0 P");
}

}  // namespace
}  // namespace tav
