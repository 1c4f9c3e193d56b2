#include "automation/conversions/DateParser.h"

#include <array>
#include <ctime>
#include <utility>

#include "automation/conversions/Blanks.h"
#include "automation/conversions/DateMath.h"

namespace tav::dateparse {

namespace {

constexpr char IsoDateSeparator = '-';
constexpr char ListSeparator = ',';  // "January 2, 2000", "Sat, 1 Jan 2000"
constexpr size_t MaxTokens = 24;
constexpr int NumberCap = 1'000'000'000;  // digits beyond this only make the number invalid
constexpr int MonthsPerYear = 12;
constexpr int CenturyYears = 100;      // years below are written with two digits
constexpr int TwoDigitYearPivot = 30;  // 00..29 are 2000..2029, 30..99 are 1930..1999
constexpr int CenturyBefore = 1900;
constexpr int CenturyAfter = 2000;
constexpr int HoursPerHalfDay = 12;
constexpr int HoursPerDay = 24;
constexpr int MaxTimeParts = 3;       // hours, minutes, seconds
constexpr size_t MaxDateNumbers = 3;  // month, day, year
constexpr size_t MaxDateSeparators = MaxDateNumbers - 1;
constexpr int TmYearBase = 1900;

enum class Kind : unsigned char { Number, Month, DayName, AmPm, DateSep, TimeSep, ListSep };

struct Token {
    Kind kind;
    int value = 0;  // Number: the value (capped); Month: 1..12; AmPm: 0 for AM, 1 for PM
};

struct Tokens {
    std::array<Token, MaxTokens> items{};
    size_t size = 0;
    bool push(Token t) {
        if (size == MaxTokens) return false;
        items[size++] = t;
        return true;
    }
};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size() || a.empty()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

template <size_t N>
int findName(std::string_view word, const std::array<std::string, N>& full,
             const std::array<std::string, N>& abbrev) {
    for (size_t i = 0; i < N; ++i)
        if (sameWord(word, full[i]) || sameWord(word, abbrev[i])) return static_cast<int>(i) + 1;
    return 0;
}

std::optional<Token> classifyWord(std::string_view word, const Locale& loc) {
    if (int m = findName(word, loc.monthNames, loc.monthAbbrevs)) return Token{Kind::Month, m};
    if (findName(word, loc.dayNames, loc.dayAbbrevs)) return Token{Kind::DayName};
    // The designators, and their first letters on their own ("12:59 p").
    if (sameWord(word, loc.amDesignator) || sameWord(word, loc.amDesignator.substr(0, 1)))
        return Token{Kind::AmPm, 0};
    if (sameWord(word, loc.pmDesignator) || sameWord(word, loc.pmDesignator.substr(0, 1)))
        return Token{Kind::AmPm, 1};
    return std::nullopt;
}

std::optional<Kind> classifySeparator(char c, const Locale& loc) {
    if (c == ListSeparator) return Kind::ListSep;
    // The date separator first: where it is '.', "1.2.2000" is a date.
    if (c == loc.dateSeparator || c == IsoDateSeparator) return Kind::DateSep;
    // "12.30" reads as half past twelve: the decimal separator separates hours and minutes.
    if (c == loc.timeSeparator || c == loc.decimalSeparator) return Kind::TimeSep;
    return std::nullopt;
}

bool isField(Kind k) {
    return k == Kind::Number || k == Kind::Month;
}

bool isSeparator(Kind k) {
    return k == Kind::DateSep || k == Kind::TimeSep || k == Kind::ListSep;
}

// A date or time separator joins a field to what follows: one before any number or month name
// makes a signed number ("-13.5", "-0.00"), one at the end a dangling one ("1.1-", "1/2/"). A
// date has three parts and so at most two date separators ("1/-2/2000" is none).
bool separatorsJoinFields(const Tokens& t) {
    bool field = false;
    size_t dateSeparators = 0;
    for (size_t i = 0; i < t.size; ++i) {
        const Kind k = t.items[i].kind;
        if (isField(k)) field = true;
        if ((k == Kind::DateSep || k == Kind::TimeSep) && !field) return false;
        if (k == Kind::DateSep && ++dateSeparators > MaxDateSeparators) return false;
    }
    return t.size == 0 || !isSeparator(t.items[t.size - 1].kind);
}

std::optional<Tokens> tokenize(std::string_view s, const Locale& loc) {
    Tokens t;
    while (!s.empty()) {
        if (const size_t b = blanks::lengthAtFront(s)) {
            s.remove_prefix(b);
            continue;
        }
        size_t n = 0;
        if (isDigit(s.front())) {
            Token num{Kind::Number};
            for (; n < s.size() && isDigit(s[n]); ++n) {
                num.value = num.value >= NumberCap / 10 ? NumberCap : num.value * 10 + (s[n] - '0');
            }
            if (!t.push(num)) return std::nullopt;
        } else if (isLetter(s.front()) && !blanks::lengthAtFront(s)) {
            while (n < s.size() && isLetter(s[n]) && !blanks::lengthAtFront(s.substr(n))) ++n;
            const auto word = classifyWord(s.substr(0, n), loc);
            if (!word || !t.push(*word)) return std::nullopt;
        } else {
            const auto sep = classifySeparator(s.front(), loc);
            if (!sep || !t.push(Token{*sep})) return std::nullopt;
            n = 1;
        }
        s.remove_prefix(n);
    }
    if (!separatorsJoinFields(t)) return std::nullopt;
    return t;
}

struct Time {
    int parts[MaxTimeParts] = {0, 0, 0};
    int designator = -1;  // -1 none, 0 AM, 1 PM
};

// The hour on the 24-hour clock; -1 when there is no such hour. A designator after an hour
// past 12 changes nothing ("13:00 AM" is 13:00).
int hourOfDay(const Time& t) {
    const int hour = t.parts[0];
    if (hour >= HoursPerDay) return -1;
    if (t.designator < 0 || hour > HoursPerHalfDay) return hour;
    return hour % HoursPerHalfDay + (t.designator == 1 ? HoursPerHalfDay : 0);
}

bool at(const Tokens& t, size_t i, Kind k) {
    return i < t.size && t.items[i].kind == k;
}

// Reads a time group starting at token `i` ("h:mm[:ss] [AM]" or "h AM"); returns the index
// after it, or `i` when no time starts there.
size_t readTime(const Tokens& t, size_t i, Time& time) {
    if (!at(t, i, Kind::Number)) return i;
    Time found;
    found.parts[0] = t.items[i].value;
    size_t j = i + 1;
    int parts = 1;
    while (parts < MaxTimeParts && at(t, j, Kind::TimeSep) && at(t, j + 1, Kind::Number)) {
        found.parts[parts++] = t.items[j + 1].value;
        j += 2;
    }
    if (at(t, j, Kind::AmPm)) found.designator = t.items[j++].value;
    if (parts == 1 && found.designator < 0) return i;
    time = found;
    return j;
}

// A year below 100: 0..29 are 2000..2029, 30..99 are 1930..1999.
int fullYear(int year) {
    if (year >= CenturyYears) return year;
    return year + (year < TwoDigitYearPivot ? CenturyAfter : CenturyBefore);
}

// The year a date without one takes, asked of the clock only when such a date turns up (the
// local time costs a lock and a time-zone lookup).
constexpr int AskTheClock = 0;

int yearNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return parts.tm_year + TmYearBase;
}

struct YearSource {
    int fixed;
    int get() const { return fixed != AskTheClock ? fixed : yearNow(); }
};

struct DayParts {
    int year = 0, month = 0, day = 0;
};

// A date field as written: a number, or a month name (its month number).
struct Field {
    int value = 0;
    bool monthName = false;
};

// The orders in which the fields of a date may stand, and where each order finds the day,
// the month and the year. Within one pass the orders are tried in the sequence of this table.
struct Order {
    unsigned bit;
    int day, month, year;
};
enum : unsigned { MDY = 1, YMD = 2, YDM = 4, DMY = 8, MYD = 16, DYM = 32 };
constexpr std::array<Order, 6> Orders{{{MDY, 1, 0, 2}, {YMD, 2, 1, 0}, {YDM, 1, 2, 0},
                                       {DMY, 0, 1, 2}, {MYD, 2, 0, 1}, {DYM, 0, 2, 1}}};

bool validDay(int day, int month, int year) {
    return month >= 1 && month <= MonthsPerYear && day >= 1 &&
           day <= date::daysInMonth(fullYear(year), month);
}

// The orders a locale tries first, and those it tries only when nothing else fits.
unsigned preferredOrder(Locale::DateOrder order) {
    switch (order) {
        case Locale::DateOrder::MDY: return MDY;
        case Locale::DateOrder::DMY: return DMY;
        case Locale::DateOrder::YMD: break;
    }
    return YMD;
}

unsigned lastResortOrders(Locale::DateOrder order) {
    return order == Locale::DateOrder::DMY ? MDY | YMD | MYD : DMY | YDM;
}

// Tries the `allowed` orders on three values: first the locale's own order, then those
// compatible with it, then any other. The first order whose day and month exist wins.
std::optional<DayParts> firstValidOrder(const std::array<int, MaxDateNumbers>& v, unsigned allowed,
                                        Locale::DateOrder localeOrder) {
    const unsigned passes[] = {preferredOrder(localeOrder), ~lastResortOrders(localeOrder), ~0u};
    for (const unsigned pass : passes) {
        for (const Order& o : Orders) {
            if (!(allowed & pass & o.bit)) continue;
            if (validDay(v[o.day], v[o.month], v[o.year]))
                return DayParts{fullYear(v[o.year]), v[o.month], v[o.day]};
            allowed &= ~o.bit;
        }
    }
    return std::nullopt;
}

// Year, month and day from two or three fields. A month name fixes where the month stands;
// otherwise every order of numbers is a candidate. Two fields that make no month and day
// (of the current year) are read as a month and a year, on the 1st.
std::optional<DayParts> resolve(const Field* fields, size_t count, const YearSource& year,
                                const Locale& loc) {
    if (count < 2) return std::nullopt;
    unsigned allowed = MDY | DMY;
    if (count == 3) allowed |= YMD | YDM | MYD | DYM;
    if (fields[0].monthName)
        allowed = MDY;
    else if (fields[1].monthName)
        allowed = count == 3 ? DMY | YMD : DMY;
    else if (count == 3 && fields[2].monthName)
        allowed = YDM;
    std::array<int, MaxDateNumbers> v{fields[0].value, fields[1].value,
                                      count == 3 ? fields[2].value : year.get()};
    if (auto p = firstValidOrder(v, allowed, loc.dateOrder)) return p;
    if (count == 3) return std::nullopt;
    v[2] = 1;
    return firstValidOrder(v, YMD | MYD, loc.dateOrder);
}

}  // namespace

std::optional<double> read(std::string_view text, const Locale& loc) {
    return read(text, loc, AskTheClock);
}

std::optional<double> read(std::string_view text, const Locale& loc, int currentYear) {
    const auto tokens = tokenize(blanks::trim(text), loc);
    if (!tokens || tokens->size == 0) return std::nullopt;
    const Tokens& t = *tokens;

    Time time;
    bool hasTime = false;
    bool fieldsBeforeTime = false;  // the time then ends the text: "1 2.3 4" is no date
    Field fields[MaxDateNumbers];
    size_t fieldCount = 0;
    bool monthName = false;
    for (size_t i = 0; i < t.size;) {
        const size_t next = readTime(t, i, time);
        if (next != i) {
            if (hasTime) return std::nullopt;
            hasTime = true;
            fieldsBeforeTime = fieldCount > 0;
            i = next;
            continue;
        }
        const Token& tok = t.items[i++];
        if (isField(tok.kind) && hasTime && fieldsBeforeTime) return std::nullopt;
        switch (tok.kind) {
            case Kind::Number:
            case Kind::Month:
                if (fieldCount == MaxDateNumbers) return std::nullopt;
                if (tok.kind == Kind::Month && std::exchange(monthName, true)) return std::nullopt;
                fields[fieldCount++] = Field{tok.value, tok.kind == Kind::Month};
                break;
            case Kind::DayName:
            case Kind::DateSep:
            case Kind::ListSep:
                break;
            case Kind::AmPm:
            case Kind::TimeSep:
                return std::nullopt;
        }
    }

    double day = 0;
    if (fieldCount > 0) {
        const auto parts = resolve(fields, fieldCount, YearSource{currentYear}, loc);
        if (!parts || parts->year < date::MinYear || parts->year > date::MaxYear)
            return std::nullopt;
        const auto serial = date::serialFromDate(parts->year, parts->month, parts->day);
        if (!serial) return std::nullopt;
        day = *serial;
    } else if (!hasTime) {
        return std::nullopt;
    }
    if (!hasTime) return day;
    return date::combine(day, hourOfDay(time), time.parts[1], time.parts[2]);
}

}  // namespace tav::dateparse
