#include "automation/conversions/DateParser.h"

#include <array>
#include <ctime>
#include <utility>

#include "automation/conversions/Blanks.h"
#include "automation/conversions/CaselessMatch.h"
#include "automation/conversions/DateMath.h"
#include "automation/values/Utf8.h"

namespace tav::dateparse {

namespace {

// '-' and '/' separate date fields in every locale ("2000-01-02", "1/2/2000"), besides the
// locale's own date separator.
constexpr char IsoDateSeparator = '-';
constexpr char SlashDateSeparator = '/';
constexpr char ListSeparator = ',';  // "January 2, 2000", "Sat, 1 Jan 2000"
// The English designators read in every locale ("2:30 PM").
constexpr std::string_view EnglishAm = "AM";
constexpr std::string_view EnglishPm = "PM";
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

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           static_cast<unsigned char>(c) >= 0x80;
}

struct Word {
    Token token{Kind::Month};
    size_t length = 0;
};

// The longest name of the locale at the front of `s` (a month or day name in any of its
// spellings, or a designator), compared without regard to case: "Sept" is no month where
// September abbreviates as "sept." and the text goes on with "t".
class WordReader {
  public:
    explicit WordReader(std::string_view s) : s_(s) {}

    void consider(std::string_view spelling, Token t) {
        const size_t n = caseless::prefixLength(s_, spelling);
        if (n > best_.length) best_ = Word{t, n};
    }
    template <size_t N>
    void considerAll(const std::array<std::string, N>& names, Kind kind) {
        for (size_t i = 0; i < N; ++i) consider(names[i], Token{kind, static_cast<int>(i) + 1});
    }
    void considerAll(const std::vector<std::pair<std::string, int>>& spellings, Kind kind) {
        for (const auto& [spelling, value] : spellings) consider(spelling, Token{kind, value});
    }
    std::optional<Word> best() const {
        if (best_.length == 0) return std::nullopt;
        return best_;
    }

  private:
    std::string_view s_;
    Word best_;
};

std::string_view initial(std::string_view s) {
    return s.empty() ? s : s.substr(0, utf8::charLength(s, 0));
}

std::optional<Word> readWord(std::string_view s, const Locale& loc) {
    WordReader r(s);
    r.considerAll(loc.monthNames, Kind::Month);
    r.considerAll(loc.monthAbbrevs, Kind::Month);
    r.considerAll(loc.otherMonthSpellings, Kind::Month);
    r.considerAll(loc.dayNames, Kind::DayName);
    r.considerAll(loc.dayAbbrevs, Kind::DayName);
    r.considerAll(loc.otherDaySpellings, Kind::DayName);
    const Token am{Kind::AmPm, 0}, pm{Kind::AmPm, 1};
    r.consider(loc.amDesignator, am);
    r.consider(loc.pmDesignator, pm);
    r.consider(EnglishAm, am);
    r.consider(EnglishPm, pm);
    // A designator's first letter alone ("12:59 p") where the clock has twelve hours.
    if (loc.twelveHourClock()) {
        r.consider(initial(loc.amDesignator), am);
        r.consider(initial(loc.pmDesignator), pm);
    }
    return r.best();
}

// The separator at the front of `s` and its length in bytes.
std::optional<Kind> readSeparator(std::string_view s, const Locale& loc, size_t& length) {
    const auto at = [&](std::string_view sep) {
        if (sep.empty() || !s.starts_with(sep)) return false;
        length = sep.size();
        return true;
    };
    length = 1;
    if (s.front() == ListSeparator) return Kind::ListSep;
    // The date separator first: where it is '.', "1.2.2000" is a date.
    if (at(loc.dateSeparator)) return Kind::DateSep;
    if (s.front() == SlashDateSeparator || s.front() == IsoDateSeparator) return Kind::DateSep;
    // "12.30" reads as half past twelve: the decimal separator separates hours and minutes.
    if (at(loc.timeSeparator) || at(loc.decimalSeparator)) return Kind::TimeSep;
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
        } else if (isLetter(s.front())) {
            const auto word = readWord(s, loc);
            if (!word || !t.push(word->token)) return std::nullopt;
            n = word->length;
        } else {
            const auto sep = readSeparator(s, loc, n);
            if (!sep || !t.push(Token{*sep})) return std::nullopt;
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
// (Month, year, day is only ever a month and a year: "2 30" is February 1930.)
enum : unsigned { MDY = 1, YMD = 2, YDM = 4, DMY = 8, MYD = 16 };
constexpr std::array<Order, 5> Orders{{{MDY, 1, 0, 2}, {YMD, 2, 1, 0}, {YDM, 1, 2, 0},
                                       {DMY, 0, 1, 2}, {MYD, 2, 0, 1}}};

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
    // Three numbers never put the year between day and month: "2 32 3" is no date (32 is no
    // day, and no month either).
    unsigned allowed = MDY | DMY;
    if (count == 3) allowed |= YMD | YDM;
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
