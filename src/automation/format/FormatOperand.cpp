#include "automation/format/FormatOperand.h"

#include <cmath>
#include <limits>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/format/DateFormatter.h"
#include "automation/format/NumberFormatter.h"

namespace tav::format {

namespace {

constexpr int kCurrencyDecimals = 4;
constexpr std::string_view kTrueText = "True";
constexpr std::string_view kFalseText = "False";

NumberOperand fromDouble(double d, int significant) {
    if (!std::isfinite(d)) throwOverflow();
    return {DecimalDigits::fromDouble(d, significant), d < 0, significant};
}

NumberOperand fromInteger(int64_t v, int decimals = 0) {
    // The magnitude of INT64_MIN only fits unsigned.
    const uint64_t magnitude = v < 0 ? uint64_t(0) - uint64_t(v) : uint64_t(v);
    return {DecimalDigits::fromScaled(magnitude, decimals), v < 0};
}

}  // namespace

std::optional<NumberOperand> numberOperand(const Variant& v, const Locale& loc) {
    switch (v.type()) {
        case VarType::Empty:
            return NumberOperand{};
        case VarType::I2:
            return fromInteger(v.i2());
        case VarType::I4:
            return fromInteger(v.i4());
        case VarType::UI1:
            return fromInteger(v.ui1());
        case VarType::Bool:
            return fromInteger(v.boolean() ? -1 : 0);
        case VarType::Currency:
            return fromInteger(v.currency(), kCurrencyDecimals);
        case VarType::R4:
            return fromDouble(v.r4(), DecimalDigits::SingleDigits);
        case VarType::R8:
            return fromDouble(v.r8(), DecimalDigits::DoubleDigits);
        case VarType::Date:
            return fromDouble(v.date(), DecimalDigits::DoubleDigits);
        case VarType::String:
            if (auto d = parseNumber(v.str(), loc))
                return fromDouble(*d, DecimalDigits::DoubleDigits);
            return std::nullopt;
        default:
            throwTypeMismatch();
    }
}

std::optional<double> dateOperand(const Variant& v, const Locale& loc) {
    if (v.isString()) {
        if (auto d = parseNumber(v.str(), loc)) return d;
        return parseDate(v.str(), loc);
    }
    // Every other type reads as the conversion to Double reads it (13 for those it refuses).
    return CDbl(v, loc);
}

void appendPlainText(const Variant& v, const Locale& loc, std::string& out) {
    switch (v.type()) {
        case VarType::Empty:
            return;
        case VarType::Bool:
            out += v.boolean() ? kTrueText : kFalseText;
            return;
        case VarType::Date: {
            const auto ctx =
                DateContext::make(v.date(), calendar::Sunday, calendar::FirstWeek::System, loc);
            if (!ctx) throwOverflow();
            appendGeneralDate(*ctx, out);
            return;
        }
        default: {
            const auto n = numberOperand(v, loc);
            if (!n) throwTypeMismatch();  // not reached: strings are shown as they are
            appendGeneralNumber(n->magnitude, n->negative, n->significant, loc, out);
        }
    }
}

}  // namespace tav::format
