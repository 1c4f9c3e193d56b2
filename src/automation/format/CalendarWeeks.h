#pragma once
#include "automation/conversions/DateMath.h"

// Week arithmetic of the date formats (w, ww) and DatePart-style week numbers: which day a week
// starts on and which week counts as the first of the year are the caller's choice.
namespace tav::calendar {

constexpr int Sunday = 1;
constexpr int Saturday = 7;

// How the first week of a year is chosen (the values the formatting API takes).
enum class FirstWeek { System = 0, OfJanuaryFirst = 1, FirstFourDays = 2, FirstFullWeek = 3 };

// The weekday 1..7 counted from `firstDayOfWeek` (1 = Sunday .. 7 = Saturday).
int weekdayNumber(const CivilDateTime& c, int firstDayOfWeek);

// The week of the year 1..54. Days before the first week of their year belong to the last week of
// the year before, as DatePart counts them.
int weekOfYear(const CivilDateTime& c, int firstDayOfWeek, FirstWeek firstWeek);

constexpr int quarter(int month) {
    return (month - 1) / 3 + 1;
}

}  // namespace tav::calendar
