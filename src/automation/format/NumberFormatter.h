#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "automation/format/DecimalDigits.h"
#include "automation/format/FormatSections.h"
#include "automation/locale/Locale.h"

namespace tav {

// One section of a number format ("#,##0.00", "0.0##E+00", "$0 \"units\""), compiled once:
// a run of items laid out left to right plus the few facts that decide the rounding.
struct NumberSection {
    enum class Op : unsigned char {
        Literal,         // text[offset, offset + length)
        IntegerDigit,    // a 0 or # before the decimal point; `position` is its power of ten
        DecimalPoint,    // the locale's decimal separator
        FractionDigit,   // a 0 or # after the point; `position` is its index (0 = tenths)
        Exponent,        // E+ E- e+ e-, with the exponent's digit placeholders
        Percent,         // '%' (the value is multiplied by 100)
        GroupSeparator,  // a comma with no digit before it: just the locale's separator
        CurrencySymbol,  // the locale's currency symbol (named currency format)
    };
    struct Item {
        Op op;
        char placeholder = '0';  // '0' or '#'
        int32_t position = 0;
        uint32_t offset = 0, length = 0;
    };

    std::vector<Item> items;
    std::string text;  // the literal text the items point into
    int32_t integerPlaces = 0;
    int32_t fractionPlaces = 0;
    int32_t highestIntegerZero = -1;  // position of the leftmost integer '0' (pads from there)
    int32_t lastFractionZero = -1;    // index of the last fraction '0' (shows zeros up to it)
    int32_t scaleThousands = 0;       // commas right of the last integer digit divide by 1000
    bool grouping = false;            // a comma between integer digits groups thousands
    bool percent = false;
    bool hasDecimalPoint = false;
    bool scientific = false;
    bool exponentUpper = true;
    bool exponentAlwaysSigned = false;
    int32_t exponentMinDigits = 0;
    bool empty = true;  // the section was written as nothing (another section stands in)
};

// '0', '#' and '%' mark a number format.
bool isNumberMark(char c) noexcept;
NumberSection compileNumberSection(std::span<const FormatChar> chars);

// Lays out `magnitude` in `section`; `negative` puts a minus sign in front of everything (the
// negative value was sent to the first section because the format has no negative section).
void appendNumber(const NumberSection& section, DecimalDigits magnitude, bool negative,
                  const Locale& loc, std::string& out);

// The plain text of a number (General Number, and numbers shown by text formats): up to
// `significant` digits, in scientific form "1.5E+20" from 10^significant up and below 10^-4.
void appendGeneralNumber(const DecimalDigits& magnitude, bool negative, int significant,
                         const Locale& loc, std::string& out);

}  // namespace tav
