#include "automation/locale/PlatformOverrides.h"

#include <array>

namespace tav::platformoverrides {

namespace {

enum class Field : unsigned char {
    ThousandsSeparator,
    CurrencySymbol,
    LongDatePicture,
    AmDesignator,
    PmDesignator,
    MonthAbbrevs,  // the twelve, separated by '|'
    MonthAbbrev9,  // September's alone
    DefaultOrder,  // strings compare in the default order (the value is unused)
};

struct Override {
    std::string_view locale;
    Field field;
    std::string_view value;
    std::string_view note;  // what the platform has and why it is kept
};

constexpr char ListSeparator = '|';

// The platform's data, as its regional settings give it, where CLDR has another datum. (Short
// dates need no entry: CLDR writes some with a two-digit year, the platform all with four, and
// the conversion from CLDR widens every year of a short date; see RegionalData.cpp.)
constexpr std::array<Override, 9> Overrides{{
    {"fr-FR", Field::ThousandsSeparator, "\xC2\xA0",
     "the no-break space U+00A0; CLDR has the narrow no-break space U+202F, which numbers typed "
     "or pasted from older documents never contain"},
    {"ja-JP", Field::CurrencySymbol, "\xC2\xA5",
     "the yen sign U+00A5; CLDR has the full-width U+FFE5"},
    {"ja-JP", Field::LongDatePicture, "yyyy'\xE5\xB9\xB4'M'\xE6\x9C\x88'd'\xE6\x97\xA5'",
     "the long date without the weekday (CLDR's full date ends with it)"},
    {"ja-JP", Field::MonthAbbrevs, "1|2|3|4|5|6|7|8|9|10|11|12",
     "abbreviated months are the bare numbers; CLDR writes 1\xE6\x9C\x88 .. 12\xE6\x9C\x88"},
    {"ja-JP", Field::DefaultOrder, "",
     "strings sort in the default order; CLDR's Japanese order puts kana in an order of its own"},
    {"en-GB", Field::LongDatePicture, "dd MMMM yyyy",
     "the long date without the weekday and with a two-digit day (CLDR: EEEE, d MMMM y)"},
    {"en-GB", Field::AmDesignator, "AM", "upper-case designators (CLDR: am)"},
    {"en-GB", Field::PmDesignator, "PM", "upper-case designators (CLDR: pm)"},
    {"en-GB", Field::MonthAbbrev9, "Sep", "September abbreviates as in en-US (CLDR: Sept)"},
}};

void setMonthAbbrevs(Locale& loc, std::string_view list) {
    for (std::string& month : loc.monthAbbrevs) {
        const size_t bar = list.find(ListSeparator);
        month = std::string(list.substr(0, bar));
        list = bar == std::string_view::npos ? std::string_view() : list.substr(bar + 1);
    }
}

constexpr size_t September = 8;

void put(Locale& loc, const Override& o) {
    switch (o.field) {
        case Field::ThousandsSeparator: loc.thousandsSeparator = o.value; break;
        case Field::CurrencySymbol: loc.currencySymbol = o.value; break;
        case Field::LongDatePicture: loc.longDatePicture = o.value; break;
        case Field::AmDesignator: loc.amDesignator = o.value; break;
        case Field::PmDesignator: loc.pmDesignator = o.value; break;
        case Field::MonthAbbrevs: setMonthAbbrevs(loc, o.value); break;
        case Field::MonthAbbrev9: loc.monthAbbrevs[September] = o.value; break;
        case Field::DefaultOrder: break;
    }
}

}  // namespace

void apply(Locale& loc) {
    for (const Override& o : Overrides)
        if (o.locale == loc.name) put(loc, o);
}

bool keepsDefaultOrder(std::string_view name) {
    for (const Override& o : Overrides)
        if (o.locale == name && o.field == Field::DefaultOrder) return true;
    return false;
}

}  // namespace tav::platformoverrides
