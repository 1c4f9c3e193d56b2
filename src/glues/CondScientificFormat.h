#pragma once
#include <string>
#include <string_view>

#include "automation/values/Variant.h"

// The conditional scientific text of a value: moderate magnitudes in plain decimals, the
// others in scientific notation, always with about four significant digits.
namespace tav::CondScientificFormat {

// The formatting function's calendar options as the library uses them: weeks start on
// Sunday, and the first week of the year is the one with 1 January.
inline constexpr int FirstDayOfWeek = 1;
inline constexpr int FirstWeekOfYear = 1;

// One integer digit, one to three decimals, an exponent signed only when negative.
inline constexpr std::string_view ScientificFormat = "0.0##e-0";
// Exponents from -PlainExponentLimit+1 to PlainExponentLimit-1 show in plain decimals, with
// PlainExponentLimit-1 - exponent optional decimals after "0.0" (none at all, "0", at the top).
inline constexpr int PlainExponentLimit = 4;
inline constexpr std::string_view PlainFormatStem = "0.0";
inline constexpr char OptionalDigit = '#';
inline constexpr std::string_view WholeFormat = "0";
inline constexpr char ExponentMark = 'e';

// The value's text: 12.3456 -> "12.346", 1234.5 -> "1235", 0.00012 -> "1.2e-4",
// 12000 -> "1.2e4", 0 -> "0.0"; a text without digits comes back unchanged. Null is error 94;
// an exponent beyond the 16-bit range is error 6.
std::string Text(const Variant& v);

// The format string Text uses for a value whose scientific text has this exponent text.
std::string FormatForExponent(std::string_view exponentText);

}  // namespace tav::CondScientificFormat
