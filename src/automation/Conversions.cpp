#include "automation/Conversions.h"

#include "automation/AutomationError.h"
#include "automation/ErrorNumbers.h"

namespace tav {
// Placeholder until the conversion rules land.
Variant changeType(const Variant&, VarType, bool, const Locale&) { throwError(err::NotImplemented); }
std::string CStr(const Variant&, const Locale&) { throwError(err::NotImplemented); }
double CDbl(const Variant&, const Locale&) { throwError(err::NotImplemented); }
float CSng(const Variant&, const Locale&) { throwError(err::NotImplemented); }
int32_t CLng(const Variant&, const Locale&) { throwError(err::NotImplemented); }
int16_t CInt(const Variant&, const Locale&) { throwError(err::NotImplemented); }
uint8_t CByte(const Variant&, const Locale&) { throwError(err::NotImplemented); }
int64_t CCur(const Variant&, const Locale&) { throwError(err::NotImplemented); }
bool CBool(const Variant&, const Locale&) { throwError(err::NotImplemented); }
double CDate(const Variant&, const Locale&) { throwError(err::NotImplemented); }
bool IsNumeric(const Variant&, const Locale&) { throwError(err::NotImplemented); }
bool IsDate(const Variant&, const Locale&) { throwError(err::NotImplemented); }
std::optional<double> parseNumber(std::string_view, const Locale&) { return std::nullopt; }
std::optional<double> parseDate(std::string_view, const Locale&) { return std::nullopt; }
std::string numberToText(double, int) { throwError(err::NotImplemented); }
std::string dateToText(double, const Locale&) { throwError(err::NotImplemented); }
int32_t roundToI4(double) { throwError(err::NotImplemented); }
}  // namespace tav
