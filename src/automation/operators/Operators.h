#pragma once
#include <cstdint>

#include "automation/locale/Locale.h"
#include "automation/values/Variant.h"

// Variant arithmetic, concatenation, logic and comparison with the rules of OLE Automation
// (VarAdd, VarCat, VarCmp, ...): result types, Null propagation, Empty as 0 or "", Boolean
// true = -1, errors 6 (overflow), 11 (division by zero) and 13 (type mismatch).
namespace tav {

Variant Add(const Variant& a, const Variant& b);
Variant Sub(const Variant& a, const Variant& b);
Variant Mul(const Variant& a, const Variant& b);
Variant Div(const Variant& a, const Variant& b);
Variant Pow(const Variant& a, const Variant& b);
Variant IDiv(const Variant& a, const Variant& b);
Variant Mod(const Variant& a, const Variant& b);
Variant Cat(const Variant& a, const Variant& b);
Variant And(const Variant& a, const Variant& b);
Variant Or(const Variant& a, const Variant& b);
Variant Neg(const Variant& a);
Variant Not(const Variant& a);

enum class Comparison { LT, EQ, GT, Null };

// How strings compare: IgnoreCase makes "a" and "A" equal (VB's text comparison).
enum class CompareFlags : uint8_t { None = 0, IgnoreCase = 1 };

// VarCmp: a number is less than any string; strings compare linguistically, case-sensitively
// unless the flags say otherwise, in the order of the locale's language: the platform's default
// order (StringCollation.h) unless the language has its own (Swedish, Spanish, ...). Without a
// locale, the calling thread's. (Two overloads rather than a default locale argument, so that
// comparing numbers does not pay for looking the locale up.)
Comparison Cmp(const Variant& a, const Variant& b, CompareFlags flags = CompareFlags::None);
Comparison Cmp(const Variant& a, const Variant& b, const Locale& loc,
               CompareFlags flags = CompareFlags::None);

}  // namespace tav
