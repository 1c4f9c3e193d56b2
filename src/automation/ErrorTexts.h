#pragma once
#include <cstdint>
#include <string_view>

namespace tav::err {

// VB run-time messages for the numbers the Variant layer raises.
inline constexpr std::string_view TextInvalidProcedureCall = "Invalid procedure call or argument";
inline constexpr std::string_view TextOverflow = "Overflow";
inline constexpr std::string_view TextOutOfMemory = "Out of memory";
inline constexpr std::string_view TextSubscriptOutOfRange = "Subscript out of range";
inline constexpr std::string_view TextDivisionByZero = "Division by zero";
inline constexpr std::string_view TextTypeMismatch = "Type mismatch";
inline constexpr std::string_view TextObjectNotSet = "Object variable or With block variable not set";
inline constexpr std::string_view TextInvalidUseOfNull = "Invalid use of Null";
inline constexpr std::string_view TextObjectDoesNotSupport =
    "Object doesn't support this property or method";
inline constexpr std::string_view TextKeyAlreadyExists =
    "This key is already associated with an element of this collection";
inline constexpr std::string_view TextBadVarType = "Variable uses an Automation type not supported in Visual Basic";

// The standard text for a VB error number (empty when the number has none of its own).
std::string_view standardText(int32_t number);

}  // namespace tav::err
