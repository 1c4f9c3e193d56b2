#include "automation/values/VarType.h"

namespace tav {

std::string_view vbTypeName(VarType t) {
    switch (t) {
        case VarType::Empty: return "Empty";
        case VarType::Null: return "Null";
        case VarType::I2: return "Integer";
        case VarType::I4: return "Long";
        case VarType::R4: return "Single";
        case VarType::R8: return "Double";
        case VarType::Currency: return "Currency";
        case VarType::Date: return "Date";
        case VarType::String: return "String";
        case VarType::Object: return "Object";
        case VarType::Error: return "Error";
        case VarType::Bool: return "Boolean";
        case VarType::Variant: return "Variant";
        case VarType::Unknown: return "Unknown";
        case VarType::UI1: return "Byte";
        case VarType::Array: return "Variant()";
    }
    return "Unknown";
}

std::string_view literalTag(VarType t) {
    switch (t) {
        case VarType::Empty: return "Empty";
        case VarType::Null: return "Null";
        case VarType::I2: return "I2";
        case VarType::I4: return "I4";
        case VarType::R4: return "R4";
        case VarType::R8: return "R8";
        case VarType::Currency: return "CY";
        case VarType::Date: return "Date";
        case VarType::String: return "Str";
        case VarType::Object: return "Object";
        case VarType::Error: return "Error";
        case VarType::Bool: return "Bool";
        case VarType::UI1: return "UI1";
        default: return "?";
    }
}

}  // namespace tav
