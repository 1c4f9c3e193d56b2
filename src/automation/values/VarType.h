#pragma once
#include <cstdint>
#include <string_view>

namespace tav {

// Variant type tags. The numbers are those of OLE Automation's VARTYPE so that
// type information (a member's "variant type") reads the same as on the platform.
enum class VarType : uint16_t {
    Empty = 0,
    Null = 1,
    I2 = 2,
    I4 = 3,
    R4 = 4,
    R8 = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,  // a dispatchable object reference (or an empty one: Nothing)
    Error = 10,
    Bool = 11,
    Variant = 12,  // only as an array element type or a declared parameter type
    Unknown = 13,
    UI1 = 17,
    Array = 0x2000,  // flag; a Variant of type Array holds a SafeArray
};

constexpr uint16_t toCode(VarType t) { return static_cast<uint16_t>(t); }

// The VB spelling of a scalar type ("Integer", "Long", "Double", ...), as TypeName gives it.
std::string_view vbTypeName(VarType t);

// The short tag of the typed-literal text ("I2", "R8", "Str", ...).
std::string_view literalTag(VarType t);

}  // namespace tav
