#pragma once
#include <string_view>

#include "automation/values/Variant.h"

// The type names of values the host's objects define by name ("R8", "Str", ...): the sample
// objects' DefineProperty, the state objects and their meta files.
namespace tav::TypeNames {

// The type a name stands for (letter case does not matter); nullptr for an unknown name.
const VarType* builtIn(std::string_view name);
// The name of a type in its canonical spelling; empty for a type without a name.
std::string_view nameOf(VarType type);

// A value made the type's: an Object type takes only object references (error 13), a Variant
// takes anything, the other types convert (errors 13 and 6).
Variant coerce(VarType type, const Variant& value);
// The value a property of the type starts with: the given one made the type's, or when it is
// omitted (Missing) the type's zero, Empty for a Variant and Nothing for an Object.
Variant initialValue(VarType type, const Variant& given);

}  // namespace tav::TypeNames
