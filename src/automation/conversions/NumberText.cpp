#include "automation/conversions/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace tav::numtext {

namespace {

constexpr char ExponentMarker = 'E';
constexpr int MinExponentDigits = 2;
// Plain decimals are written down to this exponent ("0.0001"); below it, scientific ("1E-05").
constexpr int PlainExponentMin = -4;
constexpr std::string_view PositiveInfinityText = "1.#INF";
constexpr std::string_view NegativeInfinityText = "-1.#INF";
constexpr std::string_view QuietNaNText = "1.#QNAN";
constexpr std::string_view IndefiniteText = "-1.#IND";
constexpr int64_t CurrencyUnit = 10000;
constexpr int CurrencyFractionDigits = 4;

char* put(char* p, std::string_view s) {
    std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

// The common one-byte separator without a call; a separator longer than the buffer has room for
// (no locale has one) is cut.
char* putSeparator(char* p, std::string_view separator) {
    if (separator.size() == 1) {
        *p = separator.front();
        return p + 1;
    }
    return put(p, separator.substr(0, MaxSeparatorLength));
}

char* putZeros(char* p, int n) {
    for (; n > 0; --n) *p++ = '0';
    return p;
}

// Significant digits that show a single's value exactly.
constexpr int ExactSingleDigits = 112;
constexpr size_t ExactTextCapacity = ExactSingleDigits + 16;

// The significant digits of |d| (no point, trailing zeros kept) and its decimal exponent, as
// to_chars writes them in scientific form with `precision` digits.
int scientificDigits(double magnitude, int precision, char* digits, int& exponent) {
    char sci[ExactTextCapacity];
    const char* end = std::to_chars(sci, sci + sizeof sci, magnitude, std::chars_format::scientific,
                                    precision - 1)
                          .ptr;
    const std::string_view text(sci, static_cast<size_t>(end - sci));
    const size_t e = text.find('e');
    int count = 0;
    for (char c : text.substr(0, e))
        if (c != '.') digits[count++] = c;
    const char* expBegin = sci + e + 1;
    if (*expBegin == '+') ++expBegin;
    std::from_chars(expBegin, end, exponent);
    return count;
}

// When |d| lies exactly halfway between two values of `precision` digits, rounds it away from
// zero into `digits`; false when it is no tie (to_chars has rounded it already).
bool roundTieAway(double magnitude, int precision, char* digits, int& exponent) {
    char exact[ExactTextCapacity];
    int exactExponent = 0;
    const int n = scientificDigits(magnitude, ExactSingleDigits, exact, exactExponent);
    if (n <= precision || exact[precision] != '5') return false;
    for (int i = precision + 1; i < n; ++i)
        if (exact[i] != '0') return false;
    std::memcpy(digits, exact, static_cast<size_t>(precision));
    exponent = exactExponent;
    int i = precision - 1;
    for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
    if (i >= 0) {
        ++digits[i];
    } else {  // 9.99|5 -> 10.0: one digit more in front
        digits[0] = '1';
        ++exponent;
    }
    return true;
}

char* writeExponent(char* p, int exponent) {
    *p++ = ExponentMarker;
    *p++ = exponent < 0 ? '-' : '+';
    const int mag = exponent < 0 ? -exponent : exponent;
    char digits[8];
    char* end = std::to_chars(digits, digits + sizeof digits, mag).ptr;
    p = putZeros(p, MinExponentDigits - static_cast<int>(end - digits));
    return put(p, std::string_view(digits, static_cast<size_t>(end - digits)));
}

}  // namespace

char* writeNumber(char* buf, double d, int significantDigits, std::string_view decimalSeparator, Ties ties) {
    if (std::isnan(d)) return put(buf, std::signbit(d) ? IndefiniteText : QuietNaNText);
    if (std::isinf(d)) return put(buf, d < 0 ? NegativeInfinityText : PositiveInfinityText);
    if (d == 0) {
        *buf = '0';
        return buf + 1;
    }
    const int precision = std::clamp(significantDigits, 1, MaxSignificantDigits);
    // "d.ddde+XX": the value rounded once, the exponent already carried ("9.99" -> "1.0e+01").
    char digits[MaxSignificantDigits];
    int exponent = 0;
    int count = precision;
    if (ties != Ties::AwayFromZero || !roundTieAway(std::fabs(d), precision, digits, exponent))
        count = scientificDigits(std::fabs(d), precision, digits, exponent);
    while (count > 1 && digits[count - 1] == '0') --count;

    char* p = buf;
    if (d < 0) *p++ = '-';
    const std::string_view all(digits, static_cast<size_t>(count));
    if (exponent < PlainExponentMin || exponent >= precision) {
        *p++ = all.front();
        if (count > 1) {
            p = putSeparator(p, decimalSeparator);
            p = put(p, all.substr(1));
        }
        return writeExponent(p, exponent);
    }
    if (exponent < 0) {
        *p++ = '0';
        p = putSeparator(p, decimalSeparator);
        p = putZeros(p, -exponent - 1);
        return put(p, all);
    }
    const size_t integerDigits = static_cast<size_t>(exponent) + 1;
    if (integerDigits >= all.size()) {
        p = put(p, all);
        return putZeros(p, static_cast<int>(integerDigits - all.size()));
    }
    p = put(p, all.substr(0, integerDigits));
    p = putSeparator(p, decimalSeparator);
    return put(p, all.substr(integerDigits));
}

char* writeCurrency(char* buf, int64_t scaled, std::string_view decimalSeparator) {
    char* p = buf;
    uint64_t mag = static_cast<uint64_t>(scaled);
    if (scaled < 0) {
        *p++ = '-';
        mag = 0 - mag;
    }
    p = std::to_chars(p, p + 24, mag / CurrencyUnit).ptr;
    uint64_t fraction = mag % CurrencyUnit;
    if (fraction == 0) return p;
    p = putSeparator(p, decimalSeparator);
    int digits = CurrencyFractionDigits;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    char tmp[CurrencyFractionDigits];
    for (int i = digits - 1; i >= 0; --i) {
        tmp[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    return put(p, std::string_view(tmp, static_cast<size_t>(digits)));
}

}  // namespace tav::numtext
