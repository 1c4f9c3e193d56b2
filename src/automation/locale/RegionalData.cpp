#include "automation/locale/RegionalData.h"

#include <unicode/ucal.h>
#include <unicode/udat.h>
#include <unicode/uloc.h>
#include <unicode/unum.h>
#include <unicode/ustring.h>

#include <array>
#include <memory>
#include <tuple>

#include "automation/locale/PlatformOverrides.h"
#include "automation/locale/RegionalPattern.h"

namespace tav::regionaldata {

namespace {

namespace P = regionalpattern;

// Gregorian dates and Latin digits: the conversions compute the one and write the other.
constexpr std::string_view Keywords = "@calendar=gregorian;numbers=latn";
constexpr size_t IdCapacity = 200;
constexpr int32_t TextCapacity = 256;
constexpr std::string_view DefaultDateSeparator = "/";
constexpr std::string_view DefaultTimeSeparator = ":";
constexpr std::string_view HourLetters = "Hh";
constexpr std::string_view DateLetters = "dMy";
constexpr int DaysPerWeek = 7;
constexpr int FourDayWeek = 4;
constexpr int WeekOfJanuaryFirst = 1, FirstFourDayWeek = 2, FirstFullWeek = 3;

std::string utf8(const UChar* text, int32_t length) {
    std::array<char, 4 * TextCapacity> buf{};
    int32_t written = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8(buf.data(), static_cast<int32_t>(buf.size()), &written, text, length, &status);
    if (U_FAILURE(status)) return {};
    std::string s(buf.data(), static_cast<size_t>(written));
    P::removeDirectionMarks(s);
    return s;
}

// Reads one text through an ICU getter of the shape f(..., UChar* buf, int32_t cap, UErrorCode*).
template <class Getter>
std::string text(Getter get) {
    std::array<UChar, TextCapacity> buf{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = get(buf.data(), TextCapacity, &status);
    if (U_FAILURE(status) || n <= 0 || n > TextCapacity) return {};
    return utf8(buf.data(), n);
}

struct NumberFormatCloser {
    void operator()(UNumberFormat* f) const { unum_close(f); }
};
struct DateFormatCloser {
    void operator()(UDateFormat* f) const { udat_close(f); }
};
struct CalendarCloser {
    void operator()(UCalendar* c) const { ucal_close(c); }
};
using NumberFormat = std::unique_ptr<UNumberFormat, NumberFormatCloser>;
using DateFormat = std::unique_ptr<UDateFormat, DateFormatCloser>;
using Calendar = std::unique_ptr<UCalendar, CalendarCloser>;

NumberFormat numberFormat(UNumberFormatStyle style, const char* id) {
    UErrorCode status = U_ZERO_ERROR;
    NumberFormat f(unum_open(style, nullptr, 0, id, nullptr, &status));
    return U_SUCCESS(status) ? std::move(f) : nullptr;
}

DateFormat dateFormat(UDateFormatStyle time, UDateFormatStyle date, const char* id) {
    UErrorCode status = U_ZERO_ERROR;
    DateFormat f(udat_open(time, date, id, nullptr, 0, nullptr, 0, &status));
    return U_SUCCESS(status) ? std::move(f) : nullptr;
}

std::string symbol(const UNumberFormat* f, UNumberFormatSymbol which) {
    return text([&](UChar* buf, int32_t cap, UErrorCode* s) { return unum_getSymbol(f, which, buf, cap, s); });
}

std::string pattern(const UDateFormat* f) {
    return text([&](UChar* buf, int32_t cap, UErrorCode* s) { return udat_toPattern(f, false, buf, cap, s); });
}

std::string dateSymbol(const UDateFormat* f, UDateFormatSymbolType type, int32_t index) {
    return text([&](UChar* buf, int32_t cap, UErrorCode* s) { return udat_getSymbols(f, type, index, buf, cap, s); });
}

void setIfAny(std::string& field, std::string value) {
    if (!value.empty()) field = std::move(value);
}

void setSeparator(std::string& field, std::string value) {
    if (value.size() <= Locale::MaxSeparatorLength) field = std::move(value);
}

void readNumbers(Locale& loc, const char* id) {
    const NumberFormat f = numberFormat(UNUM_DECIMAL, id);
    if (!f) return;
    if (std::string decimal = symbol(f.get(), UNUM_DECIMAL_SEPARATOR_SYMBOL); !decimal.empty())
        setSeparator(loc.decimalSeparator, std::move(decimal));
    setSeparator(loc.thousandsSeparator, symbol(f.get(), UNUM_GROUPING_SEPARATOR_SYMBOL));
    const int32_t primary = unum_getAttribute(f.get(), UNUM_GROUPING_SIZE);
    const int32_t secondary = unum_getAttribute(f.get(), UNUM_SECONDARY_GROUPING_SIZE);
    if (primary > 0) loc.primaryGroup = loc.secondaryGroup = primary;
    if (secondary > 0) loc.secondaryGroup = secondary;
}

// The currency of the locale's region ("de" alone is taken as Germany's German).
void readCurrency(Locale& loc, const char* likelyId) {
    const NumberFormat f = numberFormat(UNUM_CURRENCY, likelyId);
    if (!f) return;
    setIfAny(loc.currencySymbol, symbol(f.get(), UNUM_CURRENCY_SYMBOL));
    const std::string layout =
        text([&](UChar* buf, int32_t cap, UErrorCode* s) { return unum_toPattern(f.get(), false, buf, cap, s); });
    if (!layout.empty()) std::tie(loc.currencyPositive, loc.currencyNegative) = P::currencyLayouts(layout);
    loc.currencyDecimals = unum_getAttribute(f.get(), UNUM_MAX_FRACTION_DIGITS);
}

template <size_t N>
void readNames(std::array<std::string, N>& names, std::vector<std::pair<std::string, int>>& others,
               const UDateFormat* f, UDateFormatSymbolType standAlone, UDateFormatSymbolType inDate,
               int32_t firstIndex) {
    for (size_t i = 0; i < N; ++i) {
        const int32_t index = firstIndex + static_cast<int32_t>(i);
        setIfAny(names[i], dateSymbol(f, standAlone, index));
        // The form a name takes inside a date ("Jan." beside "Jan", a genitive), for reading.
        const std::string other = dateSymbol(f, inDate, index);
        if (!other.empty() && other != names[i]) others.emplace_back(other, static_cast<int>(i) + 1);
    }
}

void readDates(Locale& loc, const char* id) {
    const DateFormat shortDate = dateFormat(UDAT_NONE, UDAT_SHORT, id);
    const DateFormat fullDate = dateFormat(UDAT_NONE, UDAT_FULL, id);
    const DateFormat time = dateFormat(UDAT_MEDIUM, UDAT_NONE, id);
    if (!shortDate || !fullDate || !time) return;
    // The platform's short dates show the year with four digits.
    setIfAny(loc.shortDatePicture, P::datePicture(pattern(shortDate.get()), true));
    setIfAny(loc.longDatePicture, P::datePicture(pattern(fullDate.get()), false));
    setIfAny(loc.timePicture, P::datePicture(pattern(time.get()), false));
    loc.dateOrder = P::dateOrder(loc.shortDatePicture);
    setSeparator(loc.dateSeparator, P::separatorAfter(loc.shortDatePicture, DateLetters, DefaultDateSeparator));
    setSeparator(loc.timeSeparator, P::separatorAfter(loc.timePicture, HourLetters, DefaultTimeSeparator));

    const UDateFormat* f = shortDate.get();
    loc.otherMonthSpellings.clear();
    loc.otherDaySpellings.clear();
    readNames(loc.monthNames, loc.otherMonthSpellings, f, UDAT_STANDALONE_MONTHS, UDAT_MONTHS, 0);
    readNames(loc.monthAbbrevs, loc.otherMonthSpellings, f, UDAT_STANDALONE_SHORT_MONTHS, UDAT_SHORT_MONTHS, 0);
    // Weekdays count from 1 (Sunday) there as here.
    readNames(loc.dayNames, loc.otherDaySpellings, f, UDAT_STANDALONE_WEEKDAYS, UDAT_WEEKDAYS, 1);
    readNames(loc.dayAbbrevs, loc.otherDaySpellings, f, UDAT_STANDALONE_SHORT_WEEKDAYS, UDAT_SHORT_WEEKDAYS, 1);
    setIfAny(loc.amDesignator, dateSymbol(f, UDAT_AM_PMS, 0));
    setIfAny(loc.pmDesignator, dateSymbol(f, UDAT_AM_PMS, 1));
}

void readWeeks(Locale& loc, const char* likelyId) {
    UErrorCode status = U_ZERO_ERROR;
    const Calendar cal(ucal_open(nullptr, 0, likelyId, UCAL_GREGORIAN, &status));
    if (U_FAILURE(status)) return;
    const int32_t first = ucal_getAttribute(cal.get(), UCAL_FIRST_DAY_OF_WEEK);
    if (first >= 1 && first <= DaysPerWeek) loc.firstDayOfWeek = first;
    const int32_t minimal = ucal_getAttribute(cal.get(), UCAL_MINIMAL_DAYS_IN_FIRST_WEEK);
    loc.firstWeekOfYear = minimal >= DaysPerWeek  ? FirstFullWeek
                          : minimal >= FourDayWeek ? FirstFourDayWeek
                                                   : WeekOfJanuaryFirst;
}

std::string withKeywords(std::string id) {
    return id + std::string(Keywords);
}

std::string likely(const std::string& id) {
    std::array<char, IdCapacity> out{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = uloc_addLikelySubtags(id.c_str(), out.data(), static_cast<int32_t>(out.size()), &status);
    if (U_FAILURE(status) || n <= 0 || n >= static_cast<int32_t>(out.size())) return id;
    return std::string(out.data(), static_cast<size_t>(n));
}

}  // namespace

Locale build(const std::string& icuId, const std::string& canonical) {
    Locale loc;
    loc.name = canonical;
    const std::string id = withKeywords(icuId);
    const std::string likelyId = withKeywords(likely(icuId));
    readNumbers(loc, id.c_str());
    readCurrency(loc, likelyId.c_str());
    readDates(loc, id.c_str());
    readWeeks(loc, likelyId.c_str());
    platformoverrides::apply(loc);
    return loc;
}

}  // namespace tav::regionaldata
