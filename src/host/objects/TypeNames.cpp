#include "host/objects/TypeNames.h"

#include <array>
#include <utility>

#include "automation/conversions/Conversions.h"
#include "automation/objects/DispatchTypes.h"
#include "automation/values/AutomationError.h"
#include "host/objects/ObjectText.h"

namespace tav::TypeNames {

namespace T = ObjectText;

namespace {

constexpr std::array<std::pair<std::string_view, VarType>, 9> kTypes = {{
    {T::TypeVariant, VarType::Variant},
    {T::TypeI2, VarType::I2},
    {T::TypeI4, VarType::I4},
    {T::TypeR4, VarType::R4},
    {T::TypeR8, VarType::R8},
    {T::TypeStr, VarType::String},
    {T::TypeBool, VarType::Bool},
    {T::TypeDate, VarType::Date},
    {T::TypeObject, VarType::Object},
}};

}  // namespace

const VarType* builtIn(std::string_view name) {
    for (const auto& [typeName, vt] : kTypes)
        if (equalsNoCase(typeName, name)) return &vt;
    return nullptr;
}

std::string_view nameOf(VarType type) {
    for (const auto& [typeName, vt] : kTypes)
        if (vt == type) return typeName;
    return {};
}

Variant coerce(VarType type, const Variant& value) {
    if (type == VarType::Variant) return value;
    if (type == VarType::Object) {
        if (!value.isObject()) throwTypeMismatch();
        return value;
    }
    return changeType(value, type);
}

Variant initialValue(VarType type, const Variant& given) {
    if (!isMissing(given)) return coerce(type, given);
    if (type == VarType::Variant) return Variant();
    if (type == VarType::Object) return Variant::Nothing();
    return changeType(Variant(), type);
}

}  // namespace tav::TypeNames
