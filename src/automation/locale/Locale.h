#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tav {

class LocaleCollator;

// The regional settings that conversions, comparisons and Format read, for one locale: what the
// platform keeps per locale and per thread. A record is made once per locale name and never
// changes afterwards, so that threads share it by reference; each thread has a current locale
// (current()), which starts as the process default taken from the environment.
//
// A default-constructed record holds en-US, the built-in locale (enUS()); tests build variants
// of it by changing fields.
struct Locale {
    enum class DateOrder : unsigned char { MDY, DMY, YMD };
    // Longest separator (in bytes) that the records hold; the regional data's are one character.
    static constexpr size_t MaxSeparatorLength = 8;

    // The BCP 47 name ("de-DE").
    std::string name = "en-US";

    // Numbers. Separators are whole characters in UTF-8 (the thousands separator of some
    // locales is a no-break space). Groups: the digits nearest the decimal separator form the
    // primary group, every group further left has secondaryGroup digits (3 and 3 mostly; 3 and
    // 2 in India).
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
    int primaryGroup = 3;
    int secondaryGroup = 3;

    // Money. The layouts are pictures in which '$' stands for the symbol and 'n' for the number
    // ("$n", "n $", "($n)", "-n $").
    std::string currencySymbol = "$";
    std::string currencyPositive = "$n";
    std::string currencyNegative = "($n)";
    int currencyDecimals = 2;

    // Dates and times.
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    DateOrder dateOrder = DateOrder::MDY;
    int firstDayOfWeek = 1;   // 1 = Sunday .. 7 = Saturday
    int firstWeekOfYear = 1;  // 1 = the week of 1 January, 2 = the first with four days, 3 = full
    std::array<std::string, 7> dayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    std::array<std::string, 7> dayAbbrevs{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 12> monthNames{"January", "February", "March",     "April",
                                           "May",     "June",     "July",      "August",
                                           "September", "October", "November", "December"};
    std::array<std::string, 12> monthAbbrevs{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // Further spellings that reading dates accepts besides the names above (the forms a
    // language uses inside a date, "Jan." beside "Jan"): the text and its month 1..12, or its
    // day of the week 1..7.
    std::vector<std::pair<std::string, int>> otherMonthSpellings;
    std::vector<std::pair<std::string, int>> otherDaySpellings;
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
    // Pictures of the short date, long date and time: d dd ddd dddd, M MM MMM MMMM, yy yyyy,
    // h hh (12-hour), H HH (24-hour), mm, ss, t tt (designator), text in single quotes.
    std::string shortDatePicture = "M/d/yyyy";
    std::string longDatePicture = "dddd, MMMM d, yyyy";
    std::string timePicture = "h:mm:ss tt";

    // Strings: the language's own order where it has one; null for the platform's default
    // order (StringCollation.h), which most languages share.
    const LocaleCollator* collator = nullptr;

    // Nonzero for the records of the locale registry (unique among them): what per-thread caches
    // of derived data key on. Records made by hand have 0 and are looked up by their contents.
    uint32_t id = 0;

    // Whether the time picture keeps a 12-hour clock (then a lone "a" or "p" reads as AM/PM).
    bool twelveHourClock() const noexcept;

    // The built-in en-US record, exactly as the library has always behaved.
    static const Locale& enUS();

    // The calling thread's locale: the one set with setCurrent(), else the process default.
    static const Locale& current() noexcept;
    // Makes `loc` the calling thread's locale until it is set again; `loc` must outlive that.
    static void setCurrent(const Locale& loc) noexcept;
    // Whether the calling thread's locale was set with setCurrent() (by the application) rather
    // than taken from the process default.
    static bool chosenForThread() noexcept;

    // The record of a BCP 47 name ("de-DE", "fr-CA", "sv"), made on first use and shared from
    // then on. A name that is malformed or names no locale the regional data knows raises
    // automation error 5 (source "Locale") saying so; nothing changes.
    static const Locale& named(std::string_view bcp47);

    // The process default from the environment: TAVPARTS_LOCALE, else LC_ALL, else for each
    // datum LC_NUMERIC, LC_TIME or LC_MONETARY, else LANG. C, POSIX, C.UTF-8 and nothing mean
    // en-US. Read once, on first need.
    static const Locale& processDefault();
    // Why the environment's locale could not be followed (a name the system lacks), once per
    // process for the front ends to print; empty when it was followed.
    static const std::string& environmentWarning();
};

// Sets the calling thread's locale for a scope and puts the previous one back at its end.
class LocaleScope {
  public:
    explicit LocaleScope(const Locale& loc) noexcept : previous_(Locale::current()) {
        Locale::setCurrent(loc);
    }
    ~LocaleScope() { Locale::setCurrent(previous_); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

  private:
    const Locale& previous_;
};

// What `f` gives when run in locale `loc` on the calling thread (text that is stored must read
// the same everywhere: withLocale(Locale::enUS(), ...)).
template <class F>
decltype(auto) withLocale(const Locale& loc, F&& f) {
    const LocaleScope scope(loc);
    return f();
}

namespace localedetail {
// The calling thread's locale; null until the thread first asks or sets one.
extern constinit thread_local const Locale* threadLocale;
extern constinit thread_local bool threadChose;
const Locale& adoptProcessDefault() noexcept;
}  // namespace localedetail

inline const Locale& Locale::current() noexcept {
    if (const Locale* loc = localedetail::threadLocale) [[likely]]
        return *loc;
    return localedetail::adoptProcessDefault();
}

inline void Locale::setCurrent(const Locale& loc) noexcept {
    localedetail::threadLocale = &loc;
    localedetail::threadChose = true;
}

inline bool Locale::chosenForThread() noexcept {
    return localedetail::threadChose;
}

}  // namespace tav
