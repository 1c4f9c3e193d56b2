#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "automation/locale/Locale.h"

// Text to number, with the leniency of the Automation conversions: blanks around the number,
// a sign in front or behind (or both "+-"), parentheses for negative, the currency symbol on
// either side, thousands separators anywhere in the integer part, a decimal separator, an
// exponent (`e` / `E` only), or an `&H` / `&O` literal. The number is kept exact (its decimal
// digits and a power of ten) so that each target type rounds it once.
namespace tav::numtext {

// Digits kept of a decimal number; beyond this a sticky digit stands for the rest, which keeps
// the double rounding exact for all but pathological inputs.
constexpr int MaxDigits = 800;
// Digits whose value ParsedNumber::leading also holds (10^19 - 1 fits 64 bits).
constexpr int LeadingDigits = 19;

struct ParsedNumber {
    bool negative = false;
    bool radixLiteral = false;  // &H / &O: the value is `radixValue`, the digits are unused
    bool radixTooWide = false;  // an &H / &O literal of more than 32 bits
    uint32_t radixValue = 0;
    // Decimal: value = digits * 10^exponent, digits without leading zeros (none: zero).
    int count = 0;
    bool sticky = false;  // nonzero digits beyond MaxDigits were dropped
    int64_t exponent = 0;
    uint64_t leading = 0;  // the value of the first LeadingDigits digits
    std::array<char, MaxDigits> digits;
};

// Reads the whole of `text` as a number into `out`; false when it is not one. (An out parameter:
// the digits make the result large, and this runs on every numeric comparison of text.)
bool scan(std::string_view text, const Locale& loc, ParsedNumber& out);

enum class Outcome { Ok, Overflow, NotNumber };

// The nearest double; Overflow beyond its range (tiny numbers become zero).
Outcome toDouble(const ParsedNumber& n, double& out);
// scan and toDouble in one: NotNumber when the text is not a number. (The value comes back in a
// register, not through memory: reading text is on the path of every edit.)
struct DoubleReading {
    double value;
    Outcome outcome;
};
DoubleReading readDouble(std::string_view text, const Locale& loc);
// The nearest float; Overflow beyond its range and for nonzero numbers too small for a float.
Outcome toSingle(const ParsedNumber& n, float& out);
// The number rounded half to even in units of 10^-scale (scale 0: an integer, 4: currency);
// Overflow beyond the int64 range.
Outcome toScaled(const ParsedNumber& n, int scale, int64_t& out);
// &H / &O literals are two's-complement words: up to 16 bits they read as an Integer when
// `asInteger` (so "&HFFFF" is -1), otherwise as a Long ("&HFFFFFFFF" is -1). Overflow when the
// literal is wider than 32 bits.
Outcome radixWord(const ParsedNumber& n, bool asInteger, int32_t& out);

}  // namespace tav::numtext
