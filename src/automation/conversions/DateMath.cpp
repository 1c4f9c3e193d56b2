#include "automation/conversions/DateMath.h"

#include <cmath>

namespace tav::date {

namespace {
// Days since 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void civilFromDays(int64_t z, int& y, int& m, int& d, int& dayOfYear) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t yy = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
    // doy counts from 1 March: January and February end that count, the other months follow
    // the 59 or 60 days of January and February.
    dayOfYear = static_cast<int>(mp >= 10 ? doy - 305 : doy + 60 + (isLeapYear(y) ? 1 : 0));
}

const int64_t kEpoch = daysFromCivil(1899, 12, 30);
constexpr double HalfSecond = 0.5;
}  // namespace

bool isLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12) return 0;
    return m == 2 && isLeapYear(y) ? 29 : days[m - 1];
}

std::optional<double> serialFromDate(int year, int month, int day, bool rollOver) {
    if (!rollOver) {
        if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
            return std::nullopt;
        return static_cast<double>(daysFromCivil(year, unsigned(month), unsigned(day)) - kEpoch);
    }
    int64_t y = year + (int64_t{month} - 1) / 12;
    int64_t m = (int64_t{month} - 1) % 12;
    if (m < 0) {
        m += 12;
        --y;
    }
    return static_cast<double>(daysFromCivil(y, unsigned(m + 1), 1) - kEpoch + (int64_t{day} - 1));
}

std::optional<double> fractionFromTime(int h, int n, int s) {
    if (h < 0 || h > 23 || n < 0 || n > 59 || s < 0 || s > 59) return std::nullopt;
    return (h * 3600.0 + n * 60.0 + s) / SecondsPerDay;
}

double combine(double daySerial, double timeFraction) {
    return daySerial < 0 ? daySerial - timeFraction : daySerial + timeFraction;
}

std::optional<double> combine(double daySerial, int h, int n, int s) {
    if (!fractionFromTime(h, n, s)) return std::nullopt;
    constexpr double HoursPerDay = 24, MinutesPerDay = 1440;
    const double sign = daySerial < 0 ? -1 : 1;
    return daySerial + sign * (h / HoursPerDay) + sign * (n / MinutesPerDay) +
           sign * (s / double{SecondsPerDay});
}

std::optional<CivilDateTime> toCivil(double serial) {
    if (!std::isfinite(serial) || serial < MinSerial - 1 || serial >= MaxSerial + 1)
        return std::nullopt;
    double dayPart = static_cast<double>(static_cast<int64_t>(serial));  // trunc, well in range here
    int64_t day = static_cast<int64_t>(dayPart);
    // The time to the nearest second, halves up (what llround does for these positive values).
    const double time = std::fabs(serial - dayPart) * SecondsPerDay;
    int64_t secs = static_cast<int64_t>(time);
    if (time - static_cast<double>(secs) >= HalfSecond) ++secs;
    if (secs >= SecondsPerDay) {
        secs -= SecondsPerDay;
        ++day;  // the time rolls into the next calendar day whatever the sign
    }
    CivilDateTime c;
    civilFromDays(day + kEpoch, c.year, c.month, c.day, c.dayOfYear);
    if (c.year < MinYear || c.year > MaxYear) return std::nullopt;
    const auto seconds = static_cast<int>(secs);  // below a day's: 32-bit arithmetic
    const int minutes = seconds / 60;
    c.hour = minutes / 60;
    c.minute = minutes - c.hour * 60;
    c.second = seconds - minutes * 60;
    // 1970-01-01 was a Thursday (5 with Sunday = 1).
    const int64_t unixDays = day + kEpoch;
    const int64_t weekday = (unixDays + 4) % 7;
    c.dayOfWeek = static_cast<int>(weekday < 0 ? weekday + 7 : weekday) + 1;
    return c;
}

}  // namespace tav::date
