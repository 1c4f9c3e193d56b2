#pragma once
#include <cstdint>
#include <optional>

namespace tav {

// Dates are serial doubles: days since 30 December 1899, the fraction being the time of day.
// For negative serials the fraction still counts forward from midnight (-1.25 is 29 Dec 1899,
// 06:00), as OLE Automation has it.
struct CivilDateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
    int dayOfWeek = 0;  // 1 = Sunday .. 7 = Saturday
    int dayOfYear = 0;  // 1-based
};

namespace date {

constexpr double MinSerial = -657434.0;  // 1 January 100
constexpr double MaxSerial = 2958465.0;  // 31 December 9999 (whole day; times may follow)
constexpr int MinYear = 100;
constexpr int MaxYear = 9999;
constexpr int SecondsPerDay = 86400;

// Whether a value converts to a Date: strictly between the day before 1/1/100 and the day
// after 12/31/9999 (times of the last day included). NaN does not.
constexpr bool inRange(double serial) noexcept {
    return serial > MinSerial - 1 && serial < MaxSerial + 1;
}

bool isLeapYear(int year);
// Days in `month` of `year`; 0 for a month outside 1..12.
int daysInMonth(int year, int month);
// The serial of a calendar day (no range check beyond the arithmetic); months and days out of
// range roll over as DateSerial does when `rollOver` is set, otherwise they fail.
std::optional<double> serialFromDate(int year, int month, int day, bool rollOver = false);
// The fraction of a day for a time; fails for values out of range.
std::optional<double> fractionFromTime(int hour, int minute, int second);
// Combines a day serial and a time fraction the way OLE does for negative days.
double combine(double daySerial, double timeFraction);
// A day serial plus a time of day, the hours, minutes and seconds added one after the other
// (day + h/24 + m/1440 + s/86400), which is how the platform's serials come out to the last bit;
// away from zero for negative days. Fails for a time out of range.
std::optional<double> combine(double daySerial, int hour, int minute, int second);
// Breaks a serial into its parts, rounding to the nearest second; nullopt outside 100..9999.
std::optional<CivilDateTime> toCivil(double serial);

}  // namespace date
}  // namespace tav
