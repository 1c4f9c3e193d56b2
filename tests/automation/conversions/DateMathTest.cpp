#include "automation/conversions/DateMath.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace tav;

namespace {

TEST(DateMath, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(date::isLeapYear(2000));
    EXPECT_FALSE(date::isLeapYear(1900));
    EXPECT_TRUE(date::isLeapYear(2024));
    EXPECT_EQ(date::daysInMonth(2000, 2), 29);
    EXPECT_EQ(date::daysInMonth(1900, 2), 28);
    EXPECT_EQ(date::daysInMonth(2001, 4), 30);
    EXPECT_EQ(date::daysInMonth(2001, 0), 0);
    EXPECT_EQ(date::daysInMonth(2001, 13), 0);
}

TEST(DateMath, SerialsOfCalendarDays) {
    struct Case {
        int y, m, d;
        double serial;
    } const cases[] = {{1899, 12, 30, 0},   {1899, 12, 31, 1},    {1900, 3, 1, 61},
                       {2000, 1, 1, 36526}, {100, 1, 1, -657434}, {9999, 12, 31, 2958465}};
    for (const auto& c : cases) EXPECT_EQ(date::serialFromDate(c.y, c.m, c.d), c.serial) << c.y;
    EXPECT_FALSE(date::serialFromDate(2000, 13, 1));
    EXPECT_FALSE(date::serialFromDate(2000, 0, 1));
    EXPECT_FALSE(date::serialFromDate(2001, 2, 29));
}

TEST(DateMath, RollOverMonthsAndDays) {
    EXPECT_EQ(date::serialFromDate(2000, 13, 1, true), date::serialFromDate(2001, 1, 1));
    EXPECT_EQ(date::serialFromDate(2000, 0, 1, true), date::serialFromDate(1999, 12, 1));
    EXPECT_EQ(date::serialFromDate(2000, -11, 1, true), date::serialFromDate(1999, 1, 1));
    EXPECT_EQ(date::serialFromDate(2000, 3, 0, true), date::serialFromDate(2000, 2, 29));
    EXPECT_EQ(date::serialFromDate(2000, 1, -365, true), date::serialFromDate(1998, 12, 31));
    // Extreme arguments stay defined arithmetic.
    EXPECT_TRUE(date::serialFromDate(2000, INT_MIN, INT_MIN, true));
    EXPECT_TRUE(date::serialFromDate(2000, INT_MAX, INT_MAX, true));
}

TEST(DateMath, CombinesTimesAwayFromZeroOnNegativeDays) {
    EXPECT_EQ(date::combine(-1, 6, 0, 0), -1.25);
    EXPECT_EQ(date::combine(0, 12, 0, 0), 0.5);
    EXPECT_EQ(date::combine(36527, 1, 2, 3), 36527.043090277773);  // hour, minute, second in turn
    EXPECT_FALSE(date::combine(0, 24, 0, 0));
    EXPECT_FALSE(date::combine(0, 0, 60, 0));
    EXPECT_FALSE(date::combine(0, 0, 0, -1));
    EXPECT_EQ(date::combine(-2.0, 0.5), -2.5);
}

TEST(DateMath, BreaksSerialsIntoCalendarParts) {
    const auto c = date::toCivil(36526.75);  // Saturday 1 Jan 2000 18:00
    ASSERT_TRUE(c);
    EXPECT_EQ(c->year, 2000);
    EXPECT_EQ(c->month, 1);
    EXPECT_EQ(c->day, 1);
    EXPECT_EQ(c->hour, 18);
    EXPECT_EQ(c->dayOfWeek, 7);
    EXPECT_EQ(c->dayOfYear, 1);
    const auto last = date::toCivil(2958465.5);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->dayOfYear, 365);
    EXPECT_EQ(last->dayOfWeek, 6);  // 31 Dec 9999 was a Friday
    const auto neg = date::toCivil(-1.75);
    ASSERT_TRUE(neg);
    EXPECT_EQ(neg->day, 29);
    EXPECT_EQ(neg->hour, 18);
    EXPECT_EQ(neg->dayOfWeek, 6);  // 29 Dec 1899 was a Friday
    EXPECT_FALSE(date::toCivil(-657435));
    EXPECT_FALSE(date::toCivil(2958466));
    EXPECT_FALSE(date::toCivil(NAN));
}

}  // namespace
