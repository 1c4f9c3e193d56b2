#pragma once
#include "automation/values/Variant.h"
#include "contracts/iTAVPropertyAccessor.h"

// How the in-scope source part turns a value typed by the user into the data type of the
// objects' property before it stores it: numbers for the numeric types (after a check that
// names the type in its message), text, objects as they are, enumerations as numbers or
// names, rationals as the host's fraction text. Every error has the source
// "SrcPart_InScopeIsdObjS".
namespace tav::StoredValueConversion {

// Data type codes of the property accessors.
namespace DataType {
inline constexpr int32_t Integer = 0, Integer1 = 1, Integer6 = 6;
inline constexpr int32_t Text = 2;
inline constexpr int32_t Double = 3;
inline constexpr int32_t Single = 4;
inline constexpr int32_t Boolean = 5;
inline constexpr int32_t Object7 = 7, Object13 = 13, Object15 = 15, Object21 = 21, Object22 = 22;
inline constexpr int32_t Enumeration = 9;
inline constexpr int32_t Rational = 10;
}  // namespace DataType

// Converts v in place for the accessor's property; a multi-valued property takes a value list
// as it is.
void ConvertForProperty(iTAVPropertyAccessor& accessor, Variant& v);

// Text for a rational property: a number becomes the converter's fraction text, other text
// stays as it is, the empty text is error 0x80070057.
Variant RationalFromText(std::string_view s);

}  // namespace tav::StoredValueConversion
