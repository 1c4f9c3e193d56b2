#include "automation/conversions/NumberParser.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>

#include "automation/conversions/Blanks.h"
#include "automation/values/ForceInline.h"

namespace tav::numtext {

namespace {

constexpr char RadixPrefix = '&';
constexpr char HexMarker = 'h';
constexpr char OctalMarker = 'o';
constexpr int HexBase = 16;
constexpr int OctalBase = 8;
constexpr uint64_t WordMask = 0xFFFFFFFFu;
constexpr uint32_t IntegerWordMask = 0xFFFFu;
constexpr char PlusSign = '+';
constexpr char MinusSign = '-';
constexpr char OpenParen = '(';
constexpr char CloseParen = ')';
constexpr char ExponentLower = 'e';
constexpr char ExponentUpper = 'E';
// Explicit exponents saturate here: far beyond any representable magnitude, far from overflow.
constexpr int64_t ExponentLimit = 1'000'000'000;
// Decimal magnitudes (position of the leading digit) beyond which the answer is known without
// reading the digits: every double is below 10^309 and every nonzero one above 10^-325.
constexpr int64_t DoubleMaxMagnitude = 310;
constexpr int64_t DoubleMinMagnitude = -330;
constexpr int64_t SingleMaxMagnitude = 40;
constexpr int64_t SingleMinMagnitude = -50;
constexpr int Int64Digits = 19;  // 10^19 exceeds every int64 magnitude
// Integers up to 2^53 and powers of ten up to 10^22 are exact doubles.
constexpr uint64_t ExactIntegerLimit = uint64_t{1} << 53;
constexpr int64_t ExactPowerLimit = 22;
constexpr std::array<double, ExactPowerLimit + 1> ExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c) {
    if (isDigit(c)) return c - '0';
    const char l = lower(c);
    if (l >= 'a' && l <= 'f') return l - 'a' + 10;
    return -1;
}

bool scanRadix(std::string_view s, ParsedNumber& n) {
    // `s` starts after the '&' and has no blanks at the end.
    if (s.empty()) return false;
    const char marker = lower(s.front());
    const int base = marker == HexMarker ? HexBase : marker == OctalMarker ? OctalBase : 0;
    if (base == 0) return false;
    s.remove_prefix(1);
    n.radixLiteral = true;
    uint64_t value = 0;
    size_t i = 0;
    for (; i < s.size(); ++i) {
        const int d = digitValue(s[i]);
        if (d < 0 || d >= base) break;
        if (!n.radixTooWide) {
            value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
            n.radixTooWide = value > WordMask;
        }
    }
    n.radixValue = static_cast<uint32_t>(value & WordMask);
    return i > 0 && i == s.size();
}

// The marks allowed around the digits; each may appear once.
struct Affixes {
    bool plus = false;
    bool minus = false;
    bool open = false;
    bool closed = false;
    bool currency = false;
};

// takeAffixes() once a mark is there.
bool takeMarks(std::string_view& s, Affixes& a, bool leading, const Locale& loc) {
    const std::string_view currency = loc.currencySymbol;
    while (!s.empty()) {
        if (isDigit(s.front())) return true;  // no mark is a digit
        if (const size_t b = blanks::lengthAtFront(s)) {
            s.remove_prefix(b);
            continue;
        }
        if (!currency.empty() && s.starts_with(currency)) {
            if (a.currency) return false;
            a.currency = true;
            s.remove_prefix(currency.size());
            continue;
        }
        const char c = s.front();
        bool* mark = nullptr;
        if (c == PlusSign)
            mark = &a.plus;
        else if (c == MinusSign)
            mark = &a.minus;
        else if (leading && c == OpenParen)
            mark = &a.open;
        else if (!leading && c == CloseParen && a.open)
            mark = &a.closed;
        if (!mark) return true;
        if (*mark) return false;
        *mark = true;
        s.remove_prefix(1);
    }
    return true;
}

// Consumes blanks, signs, a parenthesis and the currency symbol in front of the digits
// (`leading`) or behind them. False when a mark repeats or a parenthesis does not match.
TAV_FORCE_INLINE inline bool takeAffixes(std::string_view& s, Affixes& a, bool leading, const Locale& loc) {
    // The common number has no marks at all.
    return s.empty() || isDigit(s.front()) || takeMarks(s, a, leading, loc);
}

// The counts of ParsedNumber while its digits are read: apart from the digits themselves, so
// that they stay in registers (every store of a digit char might otherwise change them).
struct DigitRun {
    size_t count = 0;
    bool sticky = false;
    int64_t exponent = 0;
    uint64_t leading = 0;
};

// The value of a digit character; above 9 for any other character.
unsigned digitOf(char c) {
    return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
}

// Adds the digit c of value d. A digit of the fraction moves the point one place (the caller
// counts those); so does a digit dropped beyond MaxDigits, the other way.
TAV_FORCE_INLINE inline void addDigit(DigitRun& n, char* digits, char c, unsigned d) {
    // The common case first, in one comparison: a digit after the first and within the leading ones.
    if (n.count - 1 < static_cast<size_t>(LeadingDigits - 1)) [[likely]] {
        n.leading = n.leading * 10 + d;
        digits[n.count++] = c;
        return;
    }
    if (n.count == 0) {
        if (d != 0) {  // leading zeros only move the point
            n.leading = d;
            digits[n.count++] = c;
        }
        return;
    }
    if (n.count < MaxDigits) {
        digits[n.count++] = c;
        return;
    }
    if (d != 0) n.sticky = true;
    ++n.exponent;
}

// Reads "e[+|-]digits"; false when the marker has no digits after it.
TAV_FORCE_INLINE inline bool takeExponent(std::string_view& s, DigitRun& n) {
    if (s.empty() || (s.front() != ExponentLower && s.front() != ExponentUpper)) return true;
    s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == PlusSign || s.front() == MinusSign)) {
        negative = s.front() == MinusSign;
        s.remove_prefix(1);
    }
    int64_t e = 0;
    size_t i = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        if (e < ExponentLimit) e = e * 10 + (s[i] - '0');
    if (i == 0) return false;
    s.remove_prefix(i);
    n.exponent += negative ? -e : e;
    return true;
}

// Decimal position of the leading digit: the value lies in [10^(m-1), 10^m).
int64_t magnitude(const ParsedNumber& n) {
    return n.count + n.exponent;
}

// The digits as from_chars reads them ("12345e-2"), the sticky digit included. Up to
// LeadingDigits digits they are `leading`, which readDouble() keeps alone.
template <class Float>
std::from_chars_result readFloat(const ParsedNumber& n, Float& out) {
    char buf[MaxDigits + 32];
    char* p = buf;
    if (n.count <= LeadingDigits)
        p = std::to_chars(p, buf + sizeof buf, n.leading).ptr;
    else
        for (int i = 0; i < n.count; ++i) *p++ = n.digits[static_cast<size_t>(i)];
    int64_t exponent = n.exponent;
    if (n.sticky) {
        *p++ = '1';
        --exponent;
    }
    *p++ = 'e';
    p = std::to_chars(p, buf + sizeof buf, exponent).ptr;
    return std::from_chars(buf, p, out);
}

// Clinger's fast path: digits that make an exact double, scaled by an exact power of ten, give
// the correctly rounded value in one multiplication or division.
bool exactlyScaled(const ParsedNumber& n, double& out) {
    // (Dropped digits leave count beyond LeadingDigits; the exponent lies in -22..22 when the
    // unsigned sum is at most 44.)
    if (n.count > LeadingDigits || n.leading > ExactIntegerLimit ||
        static_cast<uint64_t>(n.exponent + ExactPowerLimit) > static_cast<uint64_t>(2 * ExactPowerLimit))
        return false;
    const double digits = static_cast<double>(n.leading);
    out = n.exponent >= 0 ? digits * ExactPowersOfTen[static_cast<size_t>(n.exponent)]
                          : digits / ExactPowersOfTen[static_cast<size_t>(-n.exponent)];
    return true;
}
bool exactlyScaled(const ParsedNumber&, float&) {
    return false;  // a float through a double would be rounded twice
}

template <class Float>
Outcome toFloating(const ParsedNumber& n, Float& out, int64_t maxMagnitude, int64_t minMagnitude,
                   bool tinyOverflows) {
    if (n.radixLiteral) {
        int32_t word = 0;
        if (radixWord(n, false, word) != Outcome::Ok) return Outcome::Overflow;
        out = static_cast<Float>(word);
        return Outcome::Ok;
    }
    if (n.count == 0) {
        out = 0;
        return Outcome::Ok;
    }
    Float value = 0;
    if (exactlyScaled(n, value)) {  // a value well inside the range
        out = n.negative ? -value : value;
        return Outcome::Ok;
    }
    const int64_t m = magnitude(n);
    if (m > maxMagnitude) return Outcome::Overflow;
    if (m < minMagnitude) {
        if (tinyOverflows) return Outcome::Overflow;
        out = 0;
        return Outcome::Ok;
    }
    if (readFloat(n, value).ec != std::errc()) {
        // Out of range: too large, or so small that it rounds to zero.
        if (m > 0 || tinyOverflows) return Outcome::Overflow;
        value = 0;
    }
    out = n.negative ? -value : value;
    return Outcome::Ok;
}

// Whether rounding at digit index `at` goes up (half to even on the kept value `kept`).
bool roundsUp(const ParsedNumber& n, int64_t at, uint64_t kept) {
    if (at < 0 || at >= n.count) return false;  // the first dropped digit is a zero
    const int d = n.digits[static_cast<size_t>(at)] - '0';
    if (d != 5) return d > 5;
    for (int64_t i = at + 1; i < n.count; ++i)
        if (n.digits[static_cast<size_t>(i)] != '0') return true;
    return n.sticky || (kept & 1u) != 0;
}

// The digits read from a number's text, where they end and whether there were any.
struct DigitScan {
    DigitRun run;
    size_t at = 0;
    bool anyDigit = false;
};

// How a scan keeps the digits. In a text of at most LeadingDigits bytes every digit fits
// `leading`, so the digits need no check each: Short keeps their characters too, LeadingOnly
// (for readDouble(), whose readFloat() rewrites them from `leading`) not even those.
enum class DigitKeeping { Checked, Short, LeadingOnly };

// Reads a run of digits from body[i]; returns where it ends. Leading zeros only move the point.
template <DigitKeeping Keep>
TAV_FORCE_INLINE inline size_t digitRun(std::string_view body, size_t i, DigitRun& run,
                                        char* digits) {
    if constexpr (Keep == DigitKeeping::Checked) {
        for (unsigned d; i < body.size() && (d = digitOf(body[i])) <= 9; ++i)
            addDigit(run, digits, body[i], d);
    } else {
        if (run.count == 0)
            while (i < body.size() && body[i] == '0') ++i;
        for (unsigned d; i < body.size() && (d = digitOf(body[i])) <= 9; ++i) {
            run.leading = run.leading * 10 + d;
            if constexpr (Keep == DigitKeeping::Short) digits[run.count] = body[i];
            ++run.count;
        }
    }
    return i;
}

// A separator among the digits: one byte, compared as such (nearly every locale's), or a longer
// UTF-8 character (the no-break space of some). Empty: the locale has none.
struct ByteMark {
    static constexpr unsigned None = 0x100;  // no byte has this value
    unsigned c;
    explicit ByteMark(std::string_view text) : c(text.empty() ? None : static_cast<unsigned char>(text.front())) {}
    static constexpr size_t size() { return 1; }
    bool at(std::string_view body, size_t i) const { return static_cast<unsigned char>(body[i]) == c; }
};
struct TextMark {
    std::string_view text;
    size_t size() const { return text.size(); }
    bool at(std::string_view body, size_t i) const { return !text.empty() && body.substr(i).starts_with(text); }
};

// Decimals after a thousands separator that follows the first decimals ("1.234,5" reads as
// 1.2345 where the point is the decimal separator): they count no place. Rare, so out of line,
// with the counts passed by value to keep them in registers in the caller.
template <DigitKeeping Keep, class Mark>
[[gnu::noinline]] DigitScan moreDecimals(std::string_view body, DigitScan scan, Mark thousands,
                                         char* digits) {
    size_t i = scan.at;
    while (i < body.size() && thousands.at(body, i)) {
        const size_t first = i + thousands.size();
        i = digitRun<Keep>(body, first, scan.run, digits);
        scan.run.exponent -= static_cast<int64_t>(i - first);
    }
    scan.at = i;
    return scan;
}

// The digits of `body` from its start: runs of digits with thousands separators between them
// (only after a digit), then the decimal separator and the decimals.
template <DigitKeeping Keep, class Mark>
TAV_FORCE_INLINE inline DigitScan scanDigits(std::string_view body, Mark thousands, Mark decimal,
                                             char* digits) {
    DigitScan scan;
    size_t i = digitRun<Keep>(body, 0, scan.run, digits);
    if (i > 0)
        while (i < body.size() && thousands.at(body, i))
            i = digitRun<Keep>(body, i + thousands.size(), scan.run, digits);
    scan.anyDigit = i > 0;
    if (i < body.size() && decimal.at(body, i)) {
        const size_t fraction = i + decimal.size();
        i = digitRun<Keep>(body, fraction, scan.run, digits);
        scan.run.exponent -= static_cast<int64_t>(i - fraction);
        scan.anyDigit = scan.anyDigit || i > fraction;
        scan.at = i;
        if (i < body.size() && scan.anyDigit && thousands.at(body, i)) [[unlikely]]
            return moreDecimals<Keep>(body, scan, thousands, digits);
    }
    scan.at = i;
    return scan;
}

// The digits among separators longer than a byte: out of line, so that the common one-byte
// scan keeps the caller's code straight.
[[gnu::noinline]] DigitScan scanDigitsWide(std::string_view body, std::string_view thousands,
                                           std::string_view decimal, char* digits) {
    return scanDigits<DigitKeeping::Checked>(body, TextMark{thousands}, TextMark{decimal}, digits);
}

// scan(), in line with its callers here (readDouble() above all); `ShortKeep` is how a text of
// at most LeadingDigits bytes keeps its digits.
template <DigitKeeping ShortKeep>
TAV_FORCE_INLINE inline bool scanNumber(std::string_view text, const Locale& loc, ParsedNumber& n) {
    n.negative = n.radixLiteral = n.radixTooWide = n.sticky = false;
    n.radixValue = 0;
    n.count = 0;
    n.exponent = 0;
    n.leading = 0;
    std::string_view s = blanks::trim(text);
    if (!s.empty() && s.front() == RadixPrefix) return scanRadix(s.substr(1), n);

    Affixes affixes;
    if (!takeAffixes(s, affixes, true, loc)) return false;
    const std::string_view thousands = loc.thousandsSeparator;
    const std::string_view decimal = loc.decimalSeparator;
    DigitScan digits;
    if (thousands.size() > 1 || decimal.size() > 1) [[unlikely]]
        digits = scanDigitsWide(s, thousands, decimal, n.digits.data());
    else if (s.size() <= static_cast<size_t>(LeadingDigits)) [[likely]]
        digits = scanDigits<ShortKeep>(s, ByteMark(thousands), ByteMark(decimal), n.digits.data());
    else
        digits = scanDigits<DigitKeeping::Checked>(s, ByteMark(thousands), ByteMark(decimal),
                                                   n.digits.data());
    DigitRun& run = digits.run;
    s.remove_prefix(digits.at);
    if (!digits.anyDigit || !takeExponent(s, run)) return false;
    if (!takeAffixes(s, affixes, false, loc) || !s.empty() || affixes.open != affixes.closed)
        return false;
    n.negative = affixes.minus || affixes.open;
    n.count = static_cast<int>(run.count);
    n.sticky = run.sticky;
    n.exponent = run.exponent;
    n.leading = run.leading;
    return true;
}

}  // namespace

bool scan(std::string_view text, const Locale& loc, ParsedNumber& n) {
    return scanNumber<DigitKeeping::Short>(text, loc, n);
}

Outcome toDouble(const ParsedNumber& n, double& out) {
    return toFloating(n, out, DoubleMaxMagnitude, DoubleMinMagnitude, false);
}

DoubleReading readDouble(std::string_view text, const Locale& loc) {
    ParsedNumber n;
    if (!scanNumber<DigitKeeping::LeadingOnly>(text, loc, n)) return {0, Outcome::NotNumber};
    double value = 0;
    const Outcome outcome = toFloating(n, value, DoubleMaxMagnitude, DoubleMinMagnitude, false);
    return {value, outcome};
}

Outcome toSingle(const ParsedNumber& n, float& out) {
    return toFloating(n, out, SingleMaxMagnitude, SingleMinMagnitude, true);
}

Outcome toScaled(const ParsedNumber& n, int scale, int64_t& out) {
    constexpr uint64_t PositiveLimit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    if (n.radixLiteral) {
        int32_t word = 0;
        if (radixWord(n, false, word) != Outcome::Ok) return Outcome::Overflow;
        int64_t v = word;
        for (int i = 0; i < scale; ++i)
            if (__builtin_mul_overflow(v, 10, &v)) return Outcome::Overflow;
        out = v;
        return Outcome::Ok;
    }
    if (n.count == 0) {
        out = 0;
        return Outcome::Ok;
    }
    const int64_t integerDigits = magnitude(n) + scale;
    if (integerDigits > Int64Digits) return Outcome::Overflow;
    uint64_t mag = 0;
    for (int64_t i = 0; i < integerDigits; ++i) {
        const uint64_t d =
            i < n.count ? static_cast<uint64_t>(n.digits[static_cast<size_t>(i)] - '0') : 0;
        if (__builtin_mul_overflow(mag, uint64_t{10}, &mag) || __builtin_add_overflow(mag, d, &mag))
            return Outcome::Overflow;
    }
    if (roundsUp(n, integerDigits, mag)) ++mag;
    if (mag > PositiveLimit + (n.negative ? 1 : 0)) return Outcome::Overflow;
    out = n.negative ? static_cast<int64_t>(0 - mag) : static_cast<int64_t>(mag);
    return Outcome::Ok;
}

Outcome radixWord(const ParsedNumber& n, bool asInteger, int32_t& out) {
    if (n.radixTooWide) return Outcome::Overflow;
    if (asInteger && n.radixValue <= IntegerWordMask)
        out = static_cast<int16_t>(static_cast<uint16_t>(n.radixValue));
    else
        out = static_cast<int32_t>(n.radixValue);
    return Outcome::Ok;
}

}  // namespace tav::numtext
