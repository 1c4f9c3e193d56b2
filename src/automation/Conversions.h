#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "automation/Locale.h"
#include "automation/Variant.h"

// Conversions with the rules of OLE Automation (VariantChangeTypeEx) for a locale, en-US by
// default. Failures raise AutomationError 13 (type mismatch) or 6 (overflow); Null converts to
// nothing but itself (13), as the platform library has it.
namespace tav {

// VariantChangeTypeEx. `alphaBool` makes Booleans convert to "True"/"False" instead of "-1"/"0".
Variant changeType(const Variant& v, VarType to, bool alphaBool = true,
                   const Locale& loc = Locale::current());

std::string CStr(const Variant& v, const Locale& loc = Locale::current());
double CDbl(const Variant& v, const Locale& loc = Locale::current());
float CSng(const Variant& v, const Locale& loc = Locale::current());
int32_t CLng(const Variant& v, const Locale& loc = Locale::current());
int16_t CInt(const Variant& v, const Locale& loc = Locale::current());
uint8_t CByte(const Variant& v, const Locale& loc = Locale::current());
int64_t CCur(const Variant& v, const Locale& loc = Locale::current());  // 1/10000 units
bool CBool(const Variant& v, const Locale& loc = Locale::current());
double CDate(const Variant& v, const Locale& loc = Locale::current());

bool IsNumeric(const Variant& v, const Locale& loc = Locale::current());
bool IsDate(const Variant& v, const Locale& loc = Locale::current());

// Text to number as VarR8FromStr reads it (blanks, sign, separators, currency symbol,
// parentheses, &H/&O, exponent); nullopt when the text is not a number.
std::optional<double> parseNumber(std::string_view text, const Locale& loc = Locale::current());
// Text to a date serial as VarDateFromStr reads it; nullopt when it is not a date.
std::optional<double> parseDate(std::string_view text, const Locale& loc = Locale::current());

// Number to text the way the platform does: 15 significant digits for doubles, 7 for singles.
std::string numberToText(double d, int significantDigits = 15);
// A date serial to its text form (short date, long time; the parts that are zero left out).
std::string dateToText(double serial, const Locale& loc = Locale::current());

// Rounds half to even to a 32-bit integer; error 6 beyond the range.
int32_t roundToI4(double d);

}  // namespace tav
