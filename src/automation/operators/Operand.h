#pragma once
#include <cstdint>
#include <string_view>

#include "automation/values/Variant.h"

// Operands of the Variant operators as the operators see them: checked, and reduced to numbers
// of their own type. Strings are read as numbers with the text rules of the conversions.
namespace tav::operand {

constexpr int64_t kCurrencyScale = 10000;  // Currency is counted in 1/10000 units

// n / kCurrencyScale rounded half to even: Currency units to whole units, or a product of two
// unit counts back to units. Int is a signed integer type wide enough for n.
template <class Int>
constexpr Int divideByScale(Int n) noexcept {
    const Int scale = kCurrencyScale;
    Int q = n / scale;
    const Int twiceRest = (n % scale) * 2;  // takes the sign of n
    if (twiceRest > scale || (twiceRest == scale && q % 2 != 0)) ++q;
    if (twiceRest < -scale || (twiceRest == -scale && q % 2 != 0)) --q;
    return q;
}

// Error values, objects, arrays and unknown types take part in no operator: error 13.
bool isInvalid(const Variant& v) noexcept;
void rejectInvalid(const Variant& a, const Variant& b);
// For the operators where Null wins: rejects invalid operands, then tells whether either
// operand is Null (and so is the result). An error value beats Null.
bool propagatesNull(const Variant& a, const Variant& b);

// An operand as a number of its own type.
struct Number {
    VarType type;   // Empty, Bool, UI1, I2, I4, R4, R8, Currency or Date
    int64_t whole;  // the value of Empty, Bool (-1/0) and the integer types; Currency in units
    double real;    // the value as a double, for every type
};

// A Number from a scalar; a string becomes an R8 (error 13 when it is not a number).
Number toNumber(const Variant& v);

// The number a string reads as; error 13 when it is not one.
double readNumber(std::string_view text);

// Currency units of a number: integers exactly, floating values rounded as CCur rounds them
// (error 6 beyond the range of Currency).
int64_t currencyUnits(const Number& n);

// An operand as IDiv, Mod and the logical operators see it: an integer of its own type, with
// R4, R8, Currency and Date rounded half to even to an I4 (error 6 beyond its range).
struct Whole {
    VarType type;  // Empty, Bool, UI1, I2 or I4
    int64_t value;
};
Whole toWhole(const Number& n);

}  // namespace tav::operand
