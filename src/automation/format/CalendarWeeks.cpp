#include "automation/format/CalendarWeeks.h"

namespace tav::calendar {

namespace {
constexpr int kDaysPerWeek = 7;
constexpr int kMinDaysInFirstWeek = 4;
constexpr int kDaysInYear = 365;
constexpr int kDaysInLeapYear = 366;

int mod7(int v) {
    return ((v % kDaysPerWeek) + kDaysPerWeek) % kDaysPerWeek;
}

// Day of the year (0-based) on which week 1 starts, given the weekday of 1 January counted
// from the first day of the week (0 = 1 January starts a week). Negative: in December.
int firstWeekStart(int januaryFirst, FirstWeek rule) {
    switch (rule) {
        case FirstWeek::FirstFourDays:
            return kDaysPerWeek - januaryFirst >= kMinDaysInFirstWeek ? -januaryFirst
                                                                      : kDaysPerWeek - januaryFirst;
        case FirstWeek::FirstFullWeek:
            return januaryFirst == 0 ? 0 : kDaysPerWeek - januaryFirst;
        case FirstWeek::System:
        case FirstWeek::OfJanuaryFirst:
            break;
    }
    return -januaryFirst;
}
}  // namespace

int weekdayNumber(const CivilDateTime& c, int firstDayOfWeek) {
    return mod7(c.dayOfWeek - firstDayOfWeek) + 1;
}

int weekOfYear(const CivilDateTime& c, int firstDayOfWeek, FirstWeek firstWeek) {
    const int dayIndex = c.dayOfYear - 1;
    const int januaryFirst = mod7(weekdayNumber(c, firstDayOfWeek) - 1 - dayIndex);
    const int start = firstWeekStart(januaryFirst, firstWeek);
    if (dayIndex >= start) return (dayIndex - start) / kDaysPerWeek + 1;
    // Before week 1: count in the previous year.
    const int previousLength = date::isLeapYear(c.year - 1) ? kDaysInLeapYear : kDaysInYear;
    const int previousJanuaryFirst = mod7(januaryFirst - previousLength);
    return (dayIndex + previousLength - firstWeekStart(previousJanuaryFirst, firstWeek)) /
               kDaysPerWeek +
           1;
}

}  // namespace tav::calendar
