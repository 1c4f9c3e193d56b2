#pragma once
#include <algorithm>
#include <cstdint>

#include "automation/values/VarType.h"

// The type of an operator's result from the types of its operands, once strings have been read
// as numbers (R8) and Null and error values have been dealt with. Operand types are Empty, Bool,
// UI1, I2, I4, R4, R8, Currency and Date. Integer results that do not fit widen at run time
// (UI1 -> I2 -> I4 -> R8, see the operators); the type given here is where they start.
namespace tav::arith {

// Operator families that share one result-type rule.
enum class TypeRule : uint8_t {
    Add,     // +: the wider operand type
    Sub,     // -: as +, but Date - Date is a plain number of days (R8)
    Mul,     // *: as +, but a Date scaled is no longer a date, and Currency ranks below the
             //    floating types: Currency times R4 or R8 is R8
    Div,     // /: R4 when + would give R4, otherwise R8
    IntDiv,  // \: integers only; floats, Currency and Date are rounded to I4; an Empty
             //    dividend counts as I2
    Mod,     // Mod: as \, with Empty counting as I4
    Logic,   // And, Or, Not: as \, but Bool with Bool stays Bool and a Byte result needs two
             //    Bytes (a Byte with Empty or Bool is I2)
};

// The numeric order in which the wider type wins. Bool counts as I2.
enum class Rank : uint8_t { Empty, UI1, I2, I4, R4, R8, Currency, Date };

constexpr Rank rankOf(VarType t) noexcept {
    switch (t) {
        case VarType::UI1:
            return Rank::UI1;
        case VarType::I2:
        case VarType::Bool:
            return Rank::I2;
        case VarType::I4:
            return Rank::I4;
        case VarType::R4:
            return Rank::R4;
        case VarType::R8:
            return Rank::R8;
        case VarType::Currency:
            return Rank::Currency;
        case VarType::Date:
            return Rank::Date;
        default:
            return Rank::Empty;
    }
}

constexpr VarType typeOf(Rank r) noexcept {
    constexpr VarType kTypes[] = {VarType::I2, VarType::UI1, VarType::I2,       VarType::I4,
                                  VarType::R4, VarType::R8,  VarType::Currency, VarType::Date};
    return kTypes[static_cast<uint8_t>(r)];  // Empty with Empty is an I2 zero
}

namespace detail {

constexpr VarType sumType(VarType a, VarType b) noexcept {
    const Rank ra = rankOf(a), rb = rankOf(b);
    // A Single cannot hold every Long exactly, so the two meet in a Double.
    if ((ra == Rank::I4 && rb == Rank::R4) || (ra == Rank::R4 && rb == Rank::I4))
        return VarType::R8;
    return typeOf(std::max(ra, rb));
}

constexpr VarType integerType(VarType a, VarType b) noexcept {
    const Rank r = std::max(rankOf(a), rankOf(b));
    return r >= Rank::R4 ? VarType::I4 : typeOf(r);
}

constexpr bool isFloating(VarType t) noexcept {
    return t == VarType::R4 || t == VarType::R8;
}

}  // namespace detail

constexpr VarType resultType(TypeRule rule, VarType a, VarType b) noexcept {
    switch (rule) {
        case TypeRule::Add:
            return detail::sumType(a, b);
        case TypeRule::Sub:
            if (a == VarType::Date && b == VarType::Date) return VarType::R8;
            return detail::sumType(a, b);
        case TypeRule::Mul: {
            if ((a == VarType::Currency && detail::isFloating(b)) ||
                (b == VarType::Currency && detail::isFloating(a)))
                return VarType::R8;
            const VarType t = detail::sumType(a, b);
            return t == VarType::Date ? VarType::R8 : t;
        }
        case TypeRule::Div:
            return detail::sumType(a, b) == VarType::R4 ? VarType::R4 : VarType::R8;
        case TypeRule::IntDiv:
            return detail::integerType(a == VarType::Empty ? VarType::I2 : a, b);
        case TypeRule::Mod: {
            const auto widenEmpty = [](VarType t) { return t == VarType::Empty ? VarType::I4 : t; };
            return detail::integerType(widenEmpty(a), widenEmpty(b));
        }
        case TypeRule::Logic: {
            if (a == VarType::Bool && b == VarType::Bool) return VarType::Bool;
            const VarType t = detail::integerType(a, b);
            return t == VarType::UI1 && a != b ? VarType::I2 : t;
        }
    }
    return VarType::R8;
}

// One number for a pair of operand types, so that operators can switch over common pairs.
constexpr uint32_t typePair(VarType a, VarType b) noexcept {
    return static_cast<uint32_t>(toCode(a)) << 16 | toCode(b);
}

// Negation: as 0 - a, except that a Byte cannot hold a negative value, so it becomes I2.
constexpr VarType negType(VarType a) noexcept {
    return a == VarType::UI1 ? VarType::I2 : resultType(TypeRule::Sub, VarType::Empty, a);
}

// Not keeps the integer type of its operand (Empty as I2, Bool stays Bool).
constexpr VarType notType(VarType a) noexcept {
    return resultType(TypeRule::Logic, a, a);
}

}  // namespace tav::arith
