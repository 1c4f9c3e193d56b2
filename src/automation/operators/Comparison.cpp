// Cmp: the order of two Variants as VarCmp gives it.
//
// Null makes the answer Null; error values compare only with error values. A number (Empty,
// Boolean and Date included) is less than any string, whatever the string says: "10" is not
// converted. Strings, and Empty against a string (as ""), compare in the linguistic order of
// StringCollation.h, or in the locale's own order where its language has one. Numbers compare by value, with the precision rules of VB: a Double against
// a Single is rounded to Single first, a Single or Double against Currency is converted to
// Currency first.
#include <cmath>
#include <limits>

#include "automation/locale/LocaleCollator.h"
#include "automation/operators/ArithmeticType.h"
#include "automation/values/AutomationError.h"
#include "automation/operators/Operand.h"
#include "automation/operators/Operators.h"
#include "automation/operators/StringCollation.h"

namespace tav {

namespace {

using operand::Number;

// Largest magnitude that Currency conversion surely takes without overflowing.
constexpr double kCurrencyLimit = 922337203685477.0;

template <class T>
constexpr Comparison order(T a, T b) noexcept {
    return a < b ? Comparison::LT : b < a ? Comparison::GT : Comparison::EQ;
}

// Doubles in a total order: every NaN equals every other NaN and sorts above +Inf, so that a
// NaN is never "equal" to a number.
Comparison orderDoubles(double a, double b) noexcept {
    if (a < b) return Comparison::LT;
    if (a > b) return Comparison::GT;
    if (a == b) return Comparison::EQ;
    if (std::isnan(a) && std::isnan(b)) return Comparison::EQ;
    return std::isnan(a) ? Comparison::GT : Comparison::LT;
}

bool isFloating(VarType t) noexcept {
    return t == VarType::R4 || t == VarType::R8 || t == VarType::Date;
}

// A double rounded to Single; beyond the range of Single it becomes an infinity.
float toSingle(double d) noexcept {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (d > kMax) return std::numeric_limits<float>::infinity();
    if (d < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(d);
}

Comparison compareNumbers(const Number& x, const Number& y) {
    const bool floatX = isFloating(x.type), floatY = isFloating(y.type);
    if (!floatX && !floatY) return order(operand::currencyUnits(x), operand::currencyUnits(y));
    if ((x.type == VarType::R4 && floatY) || (y.type == VarType::R4 && floatX))
        return orderDoubles(toSingle(x.real), toSingle(y.real));
    const bool currencyMeetsFloat = x.type == VarType::Currency || y.type == VarType::Currency;
    if (currencyMeetsFloat && std::fabs(floatX ? x.real : y.real) < kCurrencyLimit)
        return order(operand::currencyUnits(x), operand::currencyUnits(y));
    return orderDoubles(x.real, y.real);
}

collation::Case caseRuleOf(CompareFlags flags) noexcept {
    return (static_cast<uint8_t>(flags) & static_cast<uint8_t>(CompareFlags::IgnoreCase)) != 0
               ? collation::Case::Ignore
               : collation::Case::Sensitive;
}

int compareText(std::string_view a, std::string_view b, const Locale& loc, CompareFlags flags) {
    const collation::Case rule = caseRuleOf(flags);
    if (loc.collator) return loc.collator->compare(a, b, rule == collation::Case::Ignore);
    return collation::compare(a, b, rule);
}

// `loc` null: the calling thread's locale, looked up only when two texts meet.
Comparison compareGeneral(const Variant& a, const Variant& b, const Locale* loc, CompareFlags flags) {
    const bool errorA = a.type() == VarType::Error, errorB = b.type() == VarType::Error;
    if (errorA && errorB)
        return order(static_cast<uint32_t>(a.error()), static_cast<uint32_t>(b.error()));
    operand::rejectInvalid(a, b);
    if (a.isNull() || b.isNull()) return Comparison::Null;
    if (a.isString() || b.isString()) {
        const bool bothText = (a.isString() || a.isEmpty()) && (b.isString() || b.isEmpty());
        if (!bothText) return a.isString() ? Comparison::GT : Comparison::LT;
        // Empty reads as "".
        const std::string_view ta = a.isString() ? a.str() : std::string_view();
        const std::string_view tb = b.isString() ? b.str() : std::string_view();
        return order(compareText(ta, tb, loc ? *loc : Locale::current(), flags), 0);
    }
    return compareNumbers(operand::toNumber(a), operand::toNumber(b));
}

// Same-type pairs that need no conversion.
inline bool compareFast(const Variant& a, const Variant& b, Comparison& out) noexcept {
    switch (arith::typePair(a.type(), b.type())) {
        case arith::typePair(VarType::I4, VarType::I4):
            out = order(a.i4(), b.i4());
            return true;
        case arith::typePair(VarType::R8, VarType::R8):
            out = orderDoubles(a.r8(), b.r8());
            return true;
        case arith::typePair(VarType::I2, VarType::I2):
            out = order(a.i2(), b.i2());
            return true;
        default:
            return false;
    }
}

}  // namespace

Comparison Cmp(const Variant& a, const Variant& b, CompareFlags flags) {
    Comparison fast;
    if (compareFast(a, b, fast)) return fast;
    return compareGeneral(a, b, nullptr, flags);
}

Comparison Cmp(const Variant& a, const Variant& b, const Locale& loc, CompareFlags flags) {
    Comparison fast;
    if (compareFast(a, b, fast)) return fast;
    return compareGeneral(a, b, &loc, flags);
}

}  // namespace tav
