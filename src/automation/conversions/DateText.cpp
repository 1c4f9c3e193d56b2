#include "automation/conversions/DateText.h"

#include <charconv>

namespace tav::datetext {

namespace {

constexpr char Quote = '\'';
constexpr int HoursPerHalfDay = 12;
constexpr int YearsPerCentury = 100;
constexpr int NameLength = 4;  // "dddd", "MMMM": the full name
constexpr int AbbrevLength = 3;
constexpr char PartSeparator = ' ';

void appendNumber(std::string& out, int value, bool twoDigits) {
    if (twoDigits && value < 10) out += '0';
    char buf[16];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

void appendDay(std::string& out, const CivilDateTime& c, int run, const Locale& loc) {
    const size_t weekday = static_cast<size_t>(c.dayOfWeek - 1);
    if (run >= AbbrevLength && weekday >= loc.dayNames.size()) return;  // no weekday computed
    if (run >= NameLength)
        out += loc.dayNames[weekday];
    else if (run == AbbrevLength)
        out += loc.dayAbbrevs[weekday];
    else
        appendNumber(out, c.day, run == 2);
}

void appendMonth(std::string& out, const CivilDateTime& c, int run, const Locale& loc) {
    const size_t month = static_cast<size_t>(c.month - 1);
    if (run >= AbbrevLength && month >= loc.monthNames.size()) return;
    if (run >= NameLength)
        out += loc.monthNames[month];
    else if (run == AbbrevLength)
        out += loc.monthAbbrevs[month];
    else
        appendNumber(out, c.month, run == 2);
}

void appendYear(std::string& out, const CivilDateTime& c, int run) {
    if (run <= 2)
        appendNumber(out, c.year % YearsPerCentury, run == 2);
    else
        appendNumber(out, c.year, false);  // year 100 is "100", not "0100"
}

void appendDesignator(std::string& out, const CivilDateTime& c, int run, const Locale& loc) {
    const std::string& d = c.hour < HoursPerHalfDay ? loc.amDesignator : loc.pmDesignator;
    if (run == 1)
        out += d.substr(0, 1);
    else
        out += d;
}

}  // namespace

void appendPicture(std::string& out, const CivilDateTime& c, std::string_view picture,
                   const Locale& loc) {
    size_t i = 0;
    while (i < picture.size()) {
        const char ch = picture[i];
        if (ch == Quote) {
            const size_t close = picture.find(Quote, i + 1);
            const size_t end = close == std::string_view::npos ? picture.size() : close;
            out.append(picture.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        size_t j = i;
        while (j < picture.size() && picture[j] == ch) ++j;
        const int run = static_cast<int>(j - i);
        const bool twoDigits = run >= 2;
        switch (ch) {
            case 'd':
                appendDay(out, c, run, loc);
                break;
            case 'M':
                appendMonth(out, c, run, loc);
                break;
            case 'y':
                appendYear(out, c, run);
                break;
            case 'h':
                appendNumber(out, (c.hour + HoursPerHalfDay - 1) % HoursPerHalfDay + 1, twoDigits);
                break;
            case 'H':
                appendNumber(out, c.hour, twoDigits);
                break;
            case 'm':
                appendNumber(out, c.minute, twoDigits);
                break;
            case 's':
                appendNumber(out, c.second, twoDigits);
                break;
            case 't':
                appendDesignator(out, c, run, loc);
                break;
            default:
                out.append(picture.substr(i, static_cast<size_t>(run)));
                break;
        }
        i = j;
    }
}

std::string dateTimeText(const CivilDateTime& c, const Locale& loc) {
    const CivilDateTime zero;
    const bool hasDate = c.year != zero.year || c.month != zero.month || c.day != zero.day;
    const bool hasTime = c.hour != 0 || c.minute != 0 || c.second != 0;
    std::string out;
    if (hasDate) appendPicture(out, c, loc.shortDatePicture, loc);
    if (hasTime || !hasDate) {
        if (hasDate) out += PartSeparator;
        appendPicture(out, c, loc.timePicture, loc);
    }
    return out;
}

}  // namespace tav::datetext
