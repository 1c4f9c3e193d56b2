// Arithmetic and concatenation: Add, Sub, Mul, Div, Pow, Neg and Cat.
//
// Each operator first tries the common same-type pairs (I2, I4, R8) inline: no allocation, no
// exception unless the result really is an error. Everything else goes through one general
// path: reject invalid operands, propagate Null, read strings as numbers, pick the result type
// from the lattice in ArithmeticType.h and compute in that type. Integer results widen when
// they overflow (UI1 -> I2 -> I4 -> R8), R4 widens to R8, Currency overflows with error 6, and
// a floating result that is not finite is an overflow as well: no operator yields Inf or NaN,
// nor a date outside the calendar.
#include "automation/operators/Operators.h"

#include <cmath>
#include <limits>
#include <string>

#include "automation/operators/ArithmeticType.h"
#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/operators/Operand.h"
#include "automation/operators/OperatorResult.h"
#include "automation/operators/RealPower.h"

namespace tav {

namespace {

using arith::TypeRule;
using operand::Number;

enum class Arith : uint8_t { Add, Sub, Mul };

__extension__ using Int128 = __int128;

constexpr TypeRule ruleOf(Arith op) noexcept {
    switch (op) {
        case Arith::Add:
            return TypeRule::Add;
        case Arith::Sub:
            return TypeRule::Sub;
        case Arith::Mul:
            return TypeRule::Mul;
    }
    return TypeRule::Add;
}

// Operands of the integer types are at most 32 bits wide, so no int64 result can overflow.
int64_t combineWhole(Arith op, int64_t x, int64_t y) noexcept {
    switch (op) {
        case Arith::Add:
            return x + y;
        case Arith::Sub:
            return x - y;
        case Arith::Mul:
            return x * y;
    }
    return 0;
}

double combineReal(Arith op, double x, double y) noexcept {
    switch (op) {
        case Arith::Add:
            return x + y;
        case Arith::Sub:
            return x - y;
        case Arith::Mul:
            return x * y;
    }
    return 0.0;
}

// Product of two Currency unit counts, rounded half to even back to units.
int64_t currencyProduct(int64_t a, int64_t b) {
    const Int128 q = operand::divideByScale(static_cast<Int128>(a) * b);
    if (q < std::numeric_limits<int64_t>::min() || q > std::numeric_limits<int64_t>::max())
        throwOverflow();
    return static_cast<int64_t>(q);
}

// Both operands are converted to Currency first; Currency does not widen, it overflows.
Variant currencyResult(Arith op, const Number& x, const Number& y) {
    const int64_t a = operand::currencyUnits(x), b = operand::currencyUnits(y);
    int64_t r = 0;
    switch (op) {
        case Arith::Add:
            if (__builtin_add_overflow(a, b, &r)) throwOverflow();
            break;
        case Arith::Sub:
            if (__builtin_sub_overflow(a, b, &r)) throwOverflow();
            break;
        case Arith::Mul:
            r = currencyProduct(a, b);
            break;
    }
    return Variant::Currency(r);
}

Variant arithmetic(Arith op, const Variant& a, const Variant& b) {
    if (operand::propagatesNull(a, b)) return Variant::Null();
    const Number x = operand::toNumber(a), y = operand::toNumber(b);
    const VarType type = arith::resultType(ruleOf(op), x.type, y.type);
    switch (type) {
        case VarType::UI1:
        case VarType::I2:
        case VarType::I4:
            return result::whole(combineWhole(op, x.whole, y.whole), type);
        case VarType::Currency:
            return currencyResult(op, x, y);
        case VarType::Date:
            return result::date(combineReal(op, x.real, y.real));
        default:
            return result::real(combineReal(op, x.real, y.real), type);
    }
}

// "+" joins two strings, and a string with Empty is the string itself.
Variant addGeneral(const Variant& a, const Variant& b) {
    if (operand::propagatesNull(a, b)) return Variant::Null();
    if (a.isString() && b.isString()) return result::joined(a.str(), b.str());
    if (a.isString() && b.isEmpty()) return a;
    if (a.isEmpty() && b.isString()) return b;
    return arithmetic(Arith::Add, a, b);
}

Variant divGeneral(const Variant& a, const Variant& b) {
    if (operand::propagatesNull(a, b)) return Variant::Null();
    const Number x = operand::toNumber(a), y = operand::toNumber(b);
    if (y.real == 0.0) throwError(x.real == 0.0 ? err::Overflow : err::DivisionByZero);
    return result::real(x.real / y.real, arith::resultType(TypeRule::Div, x.type, y.type));
}

template <Arith op>
bool overflows(int32_t x, int32_t y, int32_t& r) noexcept {
    if constexpr (op == Arith::Add) return __builtin_add_overflow(x, y, &r);
    if constexpr (op == Arith::Sub) return __builtin_sub_overflow(x, y, &r);
    return __builtin_mul_overflow(x, y, &r);
}

// The common same-type pairs, computed in place; everything else takes the general path.
template <Arith op>
Variant sameTypeFirst(const Variant& a, const Variant& b) {
    switch (arith::typePair(a.type(), b.type())) {
        case arith::typePair(VarType::I4, VarType::I4): {
            int32_t r;
            if (!overflows<op>(a.i4(), b.i4(), r)) return Variant::I4(r);
            return Variant::R8(static_cast<double>(combineWhole(op, a.i4(), b.i4())));
        }
        case arith::typePair(VarType::R8, VarType::R8): {
            const double r = combineReal(op, a.r8(), b.r8());
            if (std::isfinite(r)) return Variant::R8(r);
            break;
        }
        case arith::typePair(VarType::I2, VarType::I2):
            return result::whole(combineWhole(op, a.i2(), b.i2()), VarType::I2);
        default:
            break;
    }
    return op == Arith::Add ? addGeneral(a, b) : arithmetic(op, a, b);
}

// Text of a Cat operand: Null and Empty are nothing, numbers, dates and Booleans as CStr.
std::string textOf(const Variant& v) {
    switch (v.type()) {
        case VarType::Null:
        case VarType::Empty:
            return {};
        case VarType::String:
            return std::string(v.str());
        default:
            return CStr(v);
    }
}

}  // namespace

Variant Add(const Variant& a, const Variant& b) {
    return sameTypeFirst<Arith::Add>(a, b);
}

Variant Sub(const Variant& a, const Variant& b) {
    return sameTypeFirst<Arith::Sub>(a, b);
}

Variant Mul(const Variant& a, const Variant& b) {
    return sameTypeFirst<Arith::Mul>(a, b);
}

Variant Div(const Variant& a, const Variant& b) {
    if (a.type() == VarType::R8 && b.type() == VarType::R8 && b.r8() != 0.0) {
        const double r = a.r8() / b.r8();
        if (std::isfinite(r)) return Variant::R8(r);
    }
    return divGeneral(a, b);
}

// "^" always gives a Double. A negative base with a fractional exponent has no real result
// (error 5, as VB raises it), zero to a negative power is a division by zero, and a result too
// large for a Double is an overflow.
Variant Pow(const Variant& a, const Variant& b) {
    if (a.type() == VarType::R8 && b.type() == VarType::R8) {
        const double r = realPower(a.r8(), b.r8());
        if (std::isfinite(r)) return Variant::R8(r);
    }
    if (operand::propagatesNull(a, b)) return Variant::Null();
    const Number x = operand::toNumber(a), y = operand::toNumber(b);
    const double r = realPower(x.real, y.real);
    if (std::isnan(r)) throwError(err::InvalidProcedureCall);
    if (std::isinf(r)) throwError(x.real == 0.0 ? err::DivisionByZero : err::Overflow);
    return Variant::R8(r);
}

Variant Neg(const Variant& a) {
    if (operand::isInvalid(a)) throwTypeMismatch();
    if (a.isNull()) return Variant::Null();
    const Number x = operand::toNumber(a);
    const VarType type = arith::negType(x.type);
    switch (type) {
        case VarType::I2:
        case VarType::I4:
            return result::whole(-x.whole, type);
        case VarType::Currency: {
            int64_t r;
            if (__builtin_sub_overflow(int64_t{0}, x.whole, &r)) throwOverflow();
            return Variant::Currency(r);
        }
        default:
            return result::real(-x.real, type);
    }
}

Variant Cat(const Variant& a, const Variant& b) {
    operand::rejectInvalid(a, b);
    if (a.isNull() && b.isNull()) return Variant::Null();
    if (a.isString() && b.isString()) return result::joined(a.str(), b.str());
    return result::joined(textOf(a), textOf(b));
}

}  // namespace tav
