#include "automation/locale/EnvironmentLocale.h"

#include <cstdlib>
#include <string_view>

#include "automation/locale/LocaleName.h"
#include "automation/locale/LocaleRegistry.h"
#include "automation/locale/LocaleText.h"
#include "automation/values/AutomationError.h"

namespace tav::environmentlocale {

namespace {

namespace T = LocaleText;

constexpr const char* OwnVariable = "TAVPARTS_LOCALE";
constexpr const char* AllVariable = "LC_ALL";
constexpr const char* NumericVariable = "LC_NUMERIC";
constexpr const char* TimeVariable = "LC_TIME";
constexpr const char* MonetaryVariable = "LC_MONETARY";
constexpr const char* LangVariable = "LANG";
constexpr std::string_view WarningSeparator = "; ";

struct Setting {
    const char* variable = nullptr;
    std::string value;
};

Setting variable(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v) return {};
    return {name, v};
}

Setting firstSet(std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (Setting s = variable(n); s.variable) return s;
    return {};
}

class Resolver {
  public:
    const Locale& locale(const Setting& s) {
        if (!s.variable) return Locale::enUS();
        const std::string tag = localename::fromPosix(s.value);
        if (tag.empty()) return Locale::enUS();
        try {
            return Locale::named(tag);
        } catch (const AutomationError&) {
            warn(s);
            return Locale::enUS();
        }
    }
    std::string warning;

  private:
    void warn(const Setting& s) {
        std::string line = std::string(T::WarnLocale) + localename::forMessage(s.value) +
                           std::string(T::WarnFrom) + s.variable + std::string(T::WarnUnknown);
        if (warning.find(line) != std::string::npos) return;  // LANG standing in for several data
        if (!warning.empty()) warning += WarningSeparator;
        warning += line;
    }
};

void takeNumbers(Locale& to, const Locale& from) {
    to.decimalSeparator = from.decimalSeparator;
    to.thousandsSeparator = from.thousandsSeparator;
    to.primaryGroup = from.primaryGroup;
    to.secondaryGroup = from.secondaryGroup;
}

void takeMoney(Locale& to, const Locale& from) {
    to.currencySymbol = from.currencySymbol;
    to.currencyPositive = from.currencyPositive;
    to.currencyNegative = from.currencyNegative;
    to.currencyDecimals = from.currencyDecimals;
}

void takeTimes(Locale& to, const Locale& from) {
    to.dateSeparator = from.dateSeparator;
    to.timeSeparator = from.timeSeparator;
    to.dateOrder = from.dateOrder;
    to.firstDayOfWeek = from.firstDayOfWeek;
    to.firstWeekOfYear = from.firstWeekOfYear;
    to.dayNames = from.dayNames;
    to.dayAbbrevs = from.dayAbbrevs;
    to.monthNames = from.monthNames;
    to.monthAbbrevs = from.monthAbbrevs;
    to.otherMonthSpellings = from.otherMonthSpellings;
    to.otherDaySpellings = from.otherDaySpellings;
    to.amDesignator = from.amDesignator;
    to.pmDesignator = from.pmDesignator;
    to.shortDatePicture = from.shortDatePicture;
    to.longDatePicture = from.longDatePicture;
    to.timePicture = from.timePicture;
}

}  // namespace

Choice read() {
    Resolver r;
    if (const Setting whole = firstSet({OwnVariable, AllVariable}); whole.variable) {
        const Locale& loc = r.locale(whole);
        return {&loc, r.warning};
    }
    const Setting lang = variable(LangVariable);
    const Locale& base = r.locale(lang);
    const Locale& numbers = r.locale(firstSet({NumericVariable, LangVariable}));
    const Locale& times = r.locale(firstSet({TimeVariable, LangVariable}));
    const Locale& money = r.locale(firstSet({MonetaryVariable, LangVariable}));
    if (&numbers == &base && &times == &base && &money == &base) return {&base, r.warning};
    // A mix: LANG's record (and its name) with the other data taken from where they were named.
    Locale mixed = base;
    takeNumbers(mixed, numbers);
    takeTimes(mixed, times);
    takeMoney(mixed, money);
    return {&LocaleRegistry::adopt(std::move(mixed)), r.warning};
}

}  // namespace tav::environmentlocale
