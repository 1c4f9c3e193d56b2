#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/format/CalendarWeeks.h"
#include "automation/conversions/DateMath.h"
#include "automation/format/FormatSections.h"
#include "automation/locale/Locale.h"
#include "automation/values/Variant.h"

namespace tav {

// One section of a date/time format ("dd/mm/yyyy", "h:nn AM/PM", "dddd, mmmm d"), compiled once.
struct DateSection {
    // clang-format off
    enum class Field : unsigned char {
        Literal,
        DateSeparator, TimeSeparator,          // '/' and ':' stand for the locale's separators
        Day, DayAbbrev, DayName,               // d dd, ddd, dddd
        ShortDate, LongDate,                   // ddddd, dddddd: the locale's date pictures
        Weekday, WeekOfYear,                   // w, ww
        Month, MonthAbbrev, MonthName,         // m mm, mmm, mmmm
        Quarter, DayOfYear,                    // q, y
        YearInCentury, Year,                   // yy, yyyy
        Hour, Minute, Second,                  // h hh, n nn (or m mm right after an hour), s ss
        Time,                                  // ttttt / Long Time: the locale's time picture
        GeneralDate,                           // c / General Date
        AmPmWritten,                           // AM/PM am/pm A/P a/p: the text as written
        AmPmLocale, AmPmLocaleInitial,         // AMPM (and the locale pictures' tt, t)
    };
    // clang-format on
    enum class Clock : unsigned char { Section, Twelve, TwentyFour };
    struct Item {
        Field field;
        uint8_t width = 1;                  // 2 = two digits with a leading zero
        Clock clock = Clock::Section;       // hours: 12-hour when the section has an AM/PM token
        bool blankAtMidnightOfDay = false;  // Time: nothing for a whole day number (ttttt)
        uint32_t offset = 0, length = 0;    // Literal; AmPmWritten: the morning text
        uint32_t offset2 = 0, length2 = 0;  // AmPmWritten: the afternoon text
    };

    std::vector<Item> items;
    std::string text;
    bool twelveHour = false;
    bool empty = true;

    static DateSection single(Field field, bool blankAtMidnightOfDay = false);
};

// Whether a date token starts at chars[i] (a token letter, ttttt, or an AM/PM spelling).
bool startsDateToken(std::span<const FormatChar> chars, size_t i);
// The format language's date tokens; m/mm mean minutes right after an hour.
DateSection compileDateSection(std::span<const FormatChar> chars);
// The locale's own pictures ("M/d/yyyy", "dddd, MMMM d, yyyy", "h:mm:ss tt").
DateSection compileDatePicture(std::string_view picture);

// A date serial broken into what the tokens show, with the week settings of the call.
struct DateContext {
    CivilDateTime civil;
    bool dayIsZero;   // 30 December 1899: general date shows the time only
    bool timeIsZero;  // midnight: general date shows the date only
    int firstDayOfWeek;
    calendar::FirstWeek firstWeek;
    const Locale& loc;

    // nullopt when the serial lies outside 1 January 100 .. 31 December 9999.
    static std::optional<DateContext> make(double serial, int firstDayOfWeek,
                                           calendar::FirstWeek firstWeek, const Locale& loc);
};

void appendDate(const DateSection& section, const DateContext& ctx, std::string& out);
// Short date, long time, or both, leaving out a zero day or a zero time (never both).
void appendGeneralDate(const DateContext& ctx, std::string& out);
// The text of a section (the general date for a section left empty) as a String; `scratch`
// (empty) takes a text too long for a small buffer.
Variant dateText(const DateSection& section, const DateContext& ctx, std::string& scratch);

}  // namespace tav
