#include "automation/operators/Operand.h"

#include <limits>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"

namespace tav::operand {

namespace {

// Currency to I4, half to even, in whole units so that no double rounding can creep in.
int32_t currencyToI4(int64_t units) {
    const int64_t q = divideByScale(units);
    if (q < std::numeric_limits<int32_t>::min() || q > std::numeric_limits<int32_t>::max())
        throwOverflow();
    return static_cast<int32_t>(q);
}

}  // namespace

bool isInvalid(const Variant& v) noexcept {
    switch (v.type()) {
        case VarType::Empty:
        case VarType::Null:
        case VarType::I2:
        case VarType::I4:
        case VarType::R4:
        case VarType::R8:
        case VarType::Currency:
        case VarType::Date:
        case VarType::String:
        case VarType::Bool:
        case VarType::UI1:
            return false;
        default:
            return true;
    }
}

void rejectInvalid(const Variant& a, const Variant& b) {
    if (isInvalid(a) || isInvalid(b)) throwTypeMismatch();
}

bool propagatesNull(const Variant& a, const Variant& b) {
    rejectInvalid(a, b);
    return a.isNull() || b.isNull();
}

double readNumber(std::string_view text) {
    const auto number = parseNumber(text);
    if (!number) throwTypeMismatch();
    return *number;
}

Number toNumber(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty:
            return {VarType::Empty, 0, 0.0};
        case VarType::Bool:
            return {VarType::Bool, v.boolean() ? -1 : 0, v.boolean() ? -1.0 : 0.0};
        case VarType::UI1:
            return {VarType::UI1, v.ui1(), static_cast<double>(v.ui1())};
        case VarType::I2:
            return {VarType::I2, v.i2(), static_cast<double>(v.i2())};
        case VarType::I4:
            return {VarType::I4, v.i4(), static_cast<double>(v.i4())};
        case VarType::R4:
            return {VarType::R4, 0, v.r4()};
        case VarType::R8:
            return {VarType::R8, 0, v.r8()};
        case VarType::Date:
            return {VarType::Date, 0, v.date()};
        case VarType::Currency:
            return {VarType::Currency, v.currency(),
                    static_cast<double>(v.currency()) / static_cast<double>(kCurrencyScale)};
        case VarType::String:
            return {VarType::R8, 0, readNumber(v.str())};
        default:
            throwTypeMismatch();
    }
}

int64_t currencyUnits(const Number& n) {
    switch (n.type) {
        case VarType::Currency:
            return n.whole;
        case VarType::Empty:
        case VarType::Bool:
        case VarType::UI1:
        case VarType::I2:
        case VarType::I4:
            return n.whole * kCurrencyScale;
        case VarType::R4:
            return CCur(Variant::R4(static_cast<float>(n.real)));
        default:
            return CCur(Variant::R8(n.real));
    }
}

Whole toWhole(const Number& n) {
    switch (n.type) {
        case VarType::Empty:
        case VarType::Bool:
        case VarType::UI1:
        case VarType::I2:
        case VarType::I4:
            return {n.type, n.whole};
        case VarType::Currency:
            return {VarType::I4, currencyToI4(n.whole)};
        default:
            return {VarType::I4, roundToI4(n.real)};
    }
}

}  // namespace tav::operand
