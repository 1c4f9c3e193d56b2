// The operators that work on integers: IDiv, Mod, And, Or and Not.
//
// Their operands are rounded half to even first (R4, R8, Currency and Date to I4), the result
// keeps the integer type of the operands (see ArithmeticType.h), and the logical operators
// follow three-valued logic with Null. Strings are numbers here, or Booleans in the cases
// listed at logicValue().
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

// A string next to Null, and a string that reads as no number: a Boolean ("True", "0").
Whole booleanOperand(const Variant& s) {
    return {VarType::Bool, CBool(s) ? -1 : 0};
}

// The type a string takes part in And and Or with: it ranks as a Boolean, so that a string
// with a Byte, an Integer or Empty gives an Integer, with a Long or a floating value a Long,
// and with a Boolean or another string a Boolean.
VarType logicTypeOf(const Variant& v) {
    return v.isString() ? VarType::Bool : v.type();
}

// The value of an operand in the result type. A string is read as a Boolean on the left of Or
// and next to Empty in Or; elsewhere a number converts to the result type as CInt, CLng or
// CBool would convert it (error 6 when it does not fit), and text that is no number is read as
// a Boolean ("True").
int64_t logicValue(Logic op, Side side, const Variant& v, const Variant& other, VarType type) {
    if (!v.isString()) return toWhole(v).value;
    const bool asBoolean = op == Logic::Or && (side == Side::Left || other.isEmpty());
    if (asBoolean || !parseNumber(v.str())) return booleanOperand(v).value;
    switch (type) {
        case VarType::I2:
            return CInt(v);
        case VarType::I4:
            return CLng(v);
        default:
            return CBool(v) ? -1 : 0;
    }
}

// The operand that meets Null: strings as Booleans.
Whole nullPartner(const Variant& v) {
    return v.isString() ? booleanOperand(v) : toWhole(v);
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
    if (a.isNull()) return withNull(op, nullPartner(b));
    if (b.isNull()) return withNull(op, nullPartner(a));
    const VarType type = arith::resultType(TypeRule::Logic, logicTypeOf(a), logicTypeOf(b));
    const int64_t x = logicValue(op, Side::Left, a, b, type);
    const int64_t y = logicValue(op, Side::Right, b, a, type);
    const int64_t bits = op == Logic::And ? (x & y) : (x | y);
    return wholeVariant({type, bits});
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
