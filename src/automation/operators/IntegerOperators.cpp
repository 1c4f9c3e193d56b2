// The operators that work on integers: IDiv, Mod, And, Or and Not.
//
// Their operands are rounded half to even first (R4, R8, Currency and Date to I4), the result
// keeps the integer type of the operands (see ArithmeticType.h), and the logical operators
// follow three-valued logic with Null. Strings are numbers here, or Booleans in the cases
// listed at stringOperand().
#include <cstdint>
#include <optional>

#include "automation/operators/ArithmeticType.h"
#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/operators/Operand.h"
#include "automation/operators/OperatorResult.h"
#include "automation/operators/Operators.h"

namespace tav {

namespace {

using arith::TypeRule;
using operand::Whole;

enum class Logic : uint8_t { And, Or };

enum class Side : uint8_t { Left, Right };

Whole toWhole(const Variant& v) {
    return operand::toWhole(operand::toNumber(v));
}

Variant wholeVariant(const Whole& w) {
    if (w.type == VarType::Bool) return Variant::Bool(w.value != 0);
    return result::integer(w.value, w.type);
}

Variant integerDivision(TypeRule rule, const Variant& a, const Variant& b) {
    if (operand::propagatesNull(a, b)) return Variant::Null();
    const Whole x = toWhole(a), y = toWhole(b);
    if (y.value == 0) throwError(err::DivisionByZero);
    const VarType type = arith::resultType(rule, x.type, y.type);
    // Both values fit 32 bits, so neither int64 operation can overflow; the quotient truncates
    // and the remainder takes the sign of the dividend, as VB's \ and Mod do.
    return result::integer(rule == TypeRule::Mod ? x.value % y.value : x.value / y.value, type);
}

// A string taking part in And or Or. Next to Empty, Null, a Boolean or another string it is a
// Boolean (CBool); so is it on the left of Or. Otherwise it is a number in the integer type of
// the other operand (I4 when it does not fit there), or a Boolean when it is not a number but
// reads as one ("True").
Whole stringOperand(Logic op, Side side, const Variant& s, const Variant& other) {
    const VarType otherType = other.type();
    const bool asBoolean = otherType == VarType::Empty || otherType == VarType::Null ||
                           otherType == VarType::Bool || otherType == VarType::String ||
                           (op == Logic::Or && side == Side::Left);
    const auto number = asBoolean ? std::nullopt : parseNumber(s.str());
    if (!number) return {VarType::Bool, CBool(s) ? -1 : 0};
    const int64_t value = roundToI4(*number);
    const VarType type = arith::notType(otherType);
    const bool fits = type == VarType::I4 ||
                      (type == VarType::I2 && value == static_cast<int16_t>(value)) ||
                      (type == VarType::UI1 && value == static_cast<uint8_t>(value));
    return {fits ? type : VarType::I4, value};
}

Whole logicOperand(Logic op, Side side, const Variant& v, const Variant& other) {
    return v.isString() ? stringOperand(op, side, v, other) : toWhole(v);
}

// Null And x is x when x is 0 (False), otherwise Null; Null Or x is x when x is not 0.
Variant withNull(Logic op, const Whole& x) {
    const bool zero = x.value == 0;
    const bool decides = op == Logic::And ? zero : !zero;
    if (!decides) return Variant::Null();
    return wholeVariant({arith::notType(x.type), x.value});
}

Variant logical(Logic op, const Variant& a, const Variant& b) {
    operand::rejectInvalid(a, b);
    if (a.isNull() && b.isNull()) return Variant::Null();
    if (a.isNull()) return withNull(op, logicOperand(op, Side::Right, b, a));
    if (b.isNull()) return withNull(op, logicOperand(op, Side::Left, a, b));
    const Whole x = logicOperand(op, Side::Left, a, b);
    const Whole y = logicOperand(op, Side::Right, b, a);
    const int64_t bits = op == Logic::And ? (x.value & y.value) : (x.value | y.value);
    return wholeVariant({arith::resultType(TypeRule::Logic, x.type, y.type), bits});
}

}  // namespace

Variant IDiv(const Variant& a, const Variant& b) {
    if (a.type() == VarType::I4 && b.type() == VarType::I4 && b.i4() != 0)
        return result::integer(int64_t{a.i4()} / b.i4(), VarType::I4);
    return integerDivision(TypeRule::IntDiv, a, b);
}

Variant Mod(const Variant& a, const Variant& b) {
    if (a.type() == VarType::I4 && b.type() == VarType::I4 && b.i4() != 0)
        return Variant::I4(static_cast<int32_t>(int64_t{a.i4()} % b.i4()));
    return integerDivision(TypeRule::Mod, a, b);
}

Variant And(const Variant& a, const Variant& b) {
    return logical(Logic::And, a, b);
}

Variant Or(const Variant& a, const Variant& b) {
    return logical(Logic::Or, a, b);
}

// Not of a string: the complement of its number, or the negation of its Boolean ("True").
Variant Not(const Variant& a) {
    if (operand::isInvalid(a)) throwTypeMismatch();
    if (a.isNull()) return Variant::Null();
    if (a.isString()) {
        if (const auto number = parseNumber(a.str())) return Variant::I4(~roundToI4(*number));
        return Variant::Bool(!CBool(a));
    }
    const Whole x = toWhole(a);
    const VarType type = arith::notType(x.type);
    if (type == VarType::UI1) return Variant::UI1(static_cast<uint8_t>(~x.value));
    return wholeVariant({type, ~x.value});
}

}  // namespace tav
