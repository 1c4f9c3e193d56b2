#pragma once
#include <cstdint>
#include <limits>
#include <span>

#include "automation/values/Variant.h"

// Value helpers shared by the parts. ValuesDiffer is the one test, throughout the library, of
// whether two values differ.
namespace tav::Utils {

inline constexpr std::string_view ErrSource = "TAV.Utils";
inline constexpr std::string_view ErrNotAnArray =
    "Invalid (non-array) parameter passed to ArrayHasContent.";
// Relative difference below which two numbers count as the same.
inline constexpr double RelativeTolerance = 1e-05;

// Whether two Doubles differ: exactly equal ones do not; numbers of opposite signs (zero has a
// sign of its own) do; others when their relative difference is not below RelativeTolerance.
bool DoublesDiffer(double x, double y);

// True when the values differ: Empty and Null only equal themselves, objects by identity,
// dates exactly, integers exactly, non-numbers as exact text, other numbers within a relative
// tolerance (numbers of opposite signs, zero included, always differ).
bool ValuesDifferSlow(const Variant& a, const Variant& b);
// The values a funnel meets by the million are answered here without a call: two equal
// Doubles, two Longs, two equal texts (as text they are equal, as numbers the same number).
inline bool ValuesDiffer(const Variant& a, const Variant& b) {
    if (a.type() == b.type()) {
        switch (a.type()) {
            case VarType::R8:
                if (a.r8() == b.r8()) return false;
                return DoublesDiffer(a.r8(), b.r8());
            case VarType::I4:
                return a.i4() != b.i4();
            case VarType::String:
                if (a.str() == b.str()) return false;
                break;
            default:
                break;
        }
    }
    return ValuesDifferSlow(a, b);
}

// True when the first dimension of the array has elements; false for an unallocated array.
// Error 5 (source "TAV.Utils") when `a` holds no array.
bool ArrayHasContent(const Variant& a);

// A value that reads as a number becomes a Long when it is whole and fits, else a Double;
// anything else comes back unchanged.
Variant CNum(Variant v);

// CNum of a Double: true with the Long when the Double is whole and within the Long range (a
// NaN is neither).
inline bool DoubleAsLong(double d, int32_t& out) {
    if (d >= std::numeric_limits<int32_t>::min() && d <= std::numeric_limits<int32_t>::max() &&
        static_cast<double>(static_cast<int32_t>(d)) == d) {
        out = static_cast<int32_t>(d);
        return true;
    }
    return false;
}

// dest <- src: a reference for objects, a deep copy for everything else.
void CopyVariant(Variant& dest, const Variant& src);

// Reverses a one-dimensional array in place. Its indexes are 16-bit: more than 32767 elements
// is error 6.
void ReverseArray(Variant& a);
// The same for elements held outside a Variant (arguments gathered for a call by name).
void ReverseArray(std::span<Variant> elements);

// Rounds towards minus infinity (2.5 -> 2, -2.5 -> -3); error 6 beyond the 32-bit range.
int32_t FloorLong(double d);

inline Variant EmptyVariant() { return Variant(); }
inline int32_t MinLong(int32_t a, int32_t b) { return a < b ? a : b; }

}  // namespace tav::Utils
