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
inline constexpr std::string_view TextObjectRequired = "Object required";
inline constexpr std::string_view TextObjectDoesNotSupport =
    "Object doesn't support this property or method";
inline constexpr std::string_view TextKeyAlreadyExists =
    "This key is already associated with an element of this collection";
inline constexpr std::string_view TextBadVarType = "Variable uses an Automation type not supported in Visual Basic";
inline constexpr std::string_view TextFileNotFound = "File not found";
inline constexpr std::string_view TextPathFileAccess = "Path/File access error";
inline constexpr std::string_view TextInvalidFileFormat = "Invalid file format";
inline constexpr std::string_view TextDataValueNotFound = "Data value named not found";
inline constexpr std::string_view TextCantPersistObject =
    "Illegal parameter. Can't write object because it does not support persistence.";
inline constexpr std::string_view TextCantCreateObject = "ActiveX component can't create object";
inline constexpr std::string_view TextArgumentNotOptional = "Argument not optional";
inline constexpr std::string_view TextWrongArgumentCount =
    "Wrong number of arguments or invalid property assignment";
inline constexpr std::string_view TextElementNotFound = "Element not found";

// The standard text for a VB error number (empty when the number has none of its own).
std::string_view standardText(int32_t number);

}  // namespace tav::err
