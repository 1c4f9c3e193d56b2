#include "automation/format/CurrencyFormat.h"

#include <algorithm>
#include <string>

#include "automation/format/CompileCache.h"

namespace tav {

namespace {

constexpr char kSymbolMark = '$';
constexpr char kNumberMark = 'n';
constexpr std::string_view kGroupedInteger = "#,##0";
constexpr char kPoint = '.';
constexpr char kZero = '0';
constexpr char kKeySeparator = '\x1F';
constexpr size_t kCachedLayouts = 2;
constexpr int kMaxDecimals = 15;

std::vector<FormatChar> sectionChars(std::string_view layout, std::string_view number) {
    std::vector<FormatChar> chars;
    for (const char c : layout) {
        if (c == kSymbolMark) {
            chars.push_back({c, FormatChar::Kind::CurrencySymbol});
        } else if (c == kNumberMark) {
            for (const char d : number) chars.push_back({d, FormatChar::Kind::Raw});
        } else {
            chars.push_back({c, FormatChar::Kind::Literal});
        }
    }
    return chars;
}

// The key holds everything the sections depend on; the symbol itself is the locale's when the
// format is applied.
std::string keyOf(const Locale& loc) {
    return loc.currencyPositive + kKeySeparator + loc.currencyNegative + kKeySeparator +
           std::to_string(loc.currencyDecimals);
}

std::vector<NumberSection> compile(const Locale& loc) {
    std::string number(kGroupedInteger);
    const int decimals = std::min(std::max(loc.currencyDecimals, 0), kMaxDecimals);
    if (decimals > 0) {
        number += kPoint;
        number.append(static_cast<size_t>(decimals), kZero);
    }
    std::vector<NumberSection> sections;
    for (const std::string* layout : {&loc.currencyPositive, &loc.currencyNegative})
        sections.push_back(compileNumberSection(sectionChars(*layout, number)));
    return sections;
}

}  // namespace

const std::vector<NumberSection>& currencySections(const Locale& loc) {
    thread_local CompileCache<std::vector<NumberSection>, kCachedLayouts> cache;
    return cache.get(keyOf(loc), [&](std::string_view) { return compile(loc); });
}

}  // namespace tav
