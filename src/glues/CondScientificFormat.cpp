#include "glues/CondScientificFormat.h"

#include <cstdlib>
#include <optional>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/format/Format.h"

namespace tav::CondScientificFormat {

namespace {

std::string formatted(const Variant& v, std::string_view format) {
    Variant text = Format(v, format, FirstDayOfWeek, FirstWeekOfYear);
    if (text.isNull()) throwError(err::InvalidUseOfNull);
    return std::string(text.str());
}

}  // namespace

std::string FormatForExponent(std::string_view exponentText) {
    const std::optional<double> exponent = parseNumber(exponentText);
    if (!exponent) return std::string(ScientificFormat);
    const int16_t n = CInt(Variant::R8(*exponent));
    if (std::abs(n) >= PlainExponentLimit) return std::string(ScientificFormat);
    const int optionalDecimals = PlainExponentLimit - 1 - n;
    if (optionalDecimals == 0) return std::string(WholeFormat);
    return std::string(PlainFormatStem) +
           std::string(static_cast<size_t>(optionalDecimals), OptionalDigit);
}

std::string Text(const Variant& v) {
    const std::string scientific = formatted(v, ScientificFormat);
    const size_t mark = scientific.find(ExponentMark);
    const std::string_view exponent = mark == std::string::npos
                                          ? std::string_view(scientific)
                                          : std::string_view(scientific).substr(mark + 1);
    const std::string format = FormatForExponent(exponent);
    if (format == ScientificFormat) return scientific;  // formatting again would give the same text
    return formatted(v, format);
}

}  // namespace tav::CondScientificFormat
