#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "automation/locale/Locale.h"
#include "automation/values/Variant.h"

// Conversions with the rules of OLE Automation (VariantChangeTypeEx) for a locale, by default the
// calling thread's (Locale::current()). Failures raise AutomationError 13 (type mismatch) or 6 (overflow); Null and Error
// values convert to nothing but themselves (13), as the platform library has it. Conversions to
// integers round half to even.
namespace tav {

// VariantChangeTypeEx. `alphaBool` makes Booleans convert to "True"/"False" instead of "-1"/"0".
// Empty becomes 0, "", False or the date 0; objects and arrays convert only to their own type;
// `to` == Variant returns the value; a tag that is no type is error 458.
Variant changeType(const Variant& v, VarType to, bool alphaBool = true,
                   const Locale& loc = Locale::current());

std::string CStr(const Variant& v, const Locale& loc = Locale::current());

// Each function below has an inline overload for the thread's locale that answers a value already
// of the target type without a call: ValuesDiffer and the operators ask these of every value.
double CDbl(const Variant& v, const Locale& loc);
float CSng(const Variant& v, const Locale& loc);
int32_t CLng(const Variant& v, const Locale& loc);
int16_t CInt(const Variant& v, const Locale& loc);
uint8_t CByte(const Variant& v, const Locale& loc);
int64_t CCur(const Variant& v, const Locale& loc);  // 1/10000 units
bool CBool(const Variant& v, const Locale& loc);
double CDate(const Variant& v, const Locale& loc);

// Empty, the integers, Single, Double, Currency and Boolean are numeric, and text that CDbl
// reads; Null, dates, errors, objects and arrays are not.
bool IsNumeric(const Variant& v, const Locale& loc);
// Dates, and text that CDate reads.
bool IsDate(const Variant& v, const Locale& loc);

inline double CDbl(const Variant& v) {
    return v.type() == VarType::R8 ? v.r8() : CDbl(v, Locale::current());
}
inline float CSng(const Variant& v) {
    return v.type() == VarType::R4 ? v.r4() : CSng(v, Locale::current());
}
inline int32_t CLng(const Variant& v) {
    return v.type() == VarType::I4 ? v.i4() : CLng(v, Locale::current());
}
inline int16_t CInt(const Variant& v) {
    return v.type() == VarType::I2 ? v.i2() : CInt(v, Locale::current());
}
inline uint8_t CByte(const Variant& v) {
    return v.type() == VarType::UI1 ? v.ui1() : CByte(v, Locale::current());
}
inline int64_t CCur(const Variant& v) {
    return v.type() == VarType::Currency ? v.currency() : CCur(v, Locale::current());
}
inline bool CBool(const Variant& v) {
    return v.type() == VarType::Bool ? v.boolean() : CBool(v, Locale::current());
}
inline double CDate(const Variant& v) {
    return v.type() == VarType::Date ? v.date() : CDate(v, Locale::current());
}

inline bool IsNumeric(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty:
        case VarType::I2:
        case VarType::I4:
        case VarType::UI1:
        case VarType::R4:
        case VarType::R8:
        case VarType::Currency:
        case VarType::Bool:
            return true;
        case VarType::String:
            return IsNumeric(v, Locale::current());
        default:
            return false;
    }
}
inline bool IsDate(const Variant& v) {
    return v.type() == VarType::Date || (v.isString() && IsDate(v, Locale::current()));
}

// Text to number as VarR8FromStr reads it (blanks, sign, separators, currency symbol,
// parentheses, &H/&O, exponent); nullopt when the text is not a number or overflows a double.
std::optional<double> parseNumber(std::string_view text, const Locale& loc = Locale::current());
// Text to a date serial as VarDateFromStr reads it; nullopt when it is not a date.
std::optional<double> parseDate(std::string_view text, const Locale& loc = Locale::current());

// Number to text the way the platform does: 15 significant digits for doubles, 7 for singles;
// plain decimals while the exponent lies in -4..digits-1, else "1.5E+16" / "1E-05".
std::string numberToText(double d, int significantDigits = 15,
                         const Locale& loc = Locale::current());
// A date serial to its text form: short date, then time, the date left out when it is day 0
// (12/30/1899) and the time when it is midnight. Error 5 for serials outside 1/1/100..12/31/9999.
std::string dateToText(double serial, const Locale& loc = Locale::current());

// Rounds half to even to a 32-bit integer; error 6 beyond the range (and for NaN).
int32_t roundToI4(double d);

}  // namespace tav
