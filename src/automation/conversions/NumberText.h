#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Numbers to text as the Automation conversions write them: a double rounded to 15 significant
// digits (a single to 7), trailing zeros dropped, plain decimals while the decimal exponent lies
// in -5 < e < digits and "1.5E+16" / "1E-05" otherwise; currency as an exact decimal with at
// most four fraction digits.
namespace tav::numtext {

// Longest text writeNumber produces (sign, 40 digits, a separator of up to MaxSeparatorLength
// bytes, exponent) plus room.
constexpr size_t NumberTextCapacity = 64;
constexpr size_t MaxSeparatorLength = 8;
constexpr int MaxSignificantDigits = 40;

// How a value exactly halfway between two roundings rounds.
enum class Ties : unsigned char { ToEven, AwayFromZero };

// Writes `d` rounded to `significantDigits` (clamped to 1..MaxSignificantDigits) into `buf`
// (NumberTextCapacity bytes); returns the end. Infinities and NaN take the spellings of the
// classic C runtime ("1.#INF", "-1.#INF", "1.#QNAN", "-1.#IND"). Ties round as `ties` says;
// AwayFromZero looks at the exact value, which it sees in full for every single (a single's
// decimal expansion has at most 112 significant digits).
char* writeNumber(char* buf, double d, int significantDigits, std::string_view decimalSeparator,
                  Ties ties = Ties::ToEven);

// Currency (a count of 1/10000 units) as "-123.45"; returns the end. Needs 24 bytes.
char* writeCurrency(char* buf, int64_t scaled, std::string_view decimalSeparator);

}  // namespace tav::numtext
