#pragma once
#include <string_view>

// Names, help texts and messages of the host's sample objects.
namespace tav::ObjectText {

inline constexpr std::string_view AutoObject = "AutoObject";
inline constexpr std::string_view AutoObjectHelp = "An automation object whose properties are defined at run time.";
inline constexpr std::string_view NotifyingObject = "NotifyingObject";
inline constexpr std::string_view NotifyingObjectHelp =
    "An automation object that announces every change of its properties (IPropertyNotifySink).";
inline constexpr std::string_view PredefinedObject = "PredefinedObject";
inline constexpr std::string_view PredefinedObjectHelp =
    "An automation object that offers predefined strings for its properties (iTAVPerPropertyBrowsing).";
inline constexpr std::string_view Job = "Job";
inline constexpr std::string_view JobHelp = "A job: members, plus properties reached by key through Properties.";

// Members and parameters.
inline constexpr std::string_view DefineProperty = "DefineProperty";
inline constexpr std::string_view DefineEnum = "DefineEnum";
inline constexpr std::string_view ClassName = "ClassName";
inline constexpr std::string_view DefinePredefined = "DefinePredefined";
inline constexpr std::string_view Properties = "Properties";
inline constexpr std::string_view DefineJobProperty = "DefineJobProperty";
inline constexpr std::string_view NameParam = "Name";
inline constexpr std::string_view TypeNameParam = "TypeName";
inline constexpr std::string_view InitialValueParam = "InitialValue";
inline constexpr std::string_view EnumNameParam = "EnumName";
inline constexpr std::string_view ItemsAndValuesParam = "ItemsAndValues";
inline constexpr std::string_view PropertyNameParam = "PropertyName";
inline constexpr std::string_view DisplayStringParam = "DisplayString";
inline constexpr std::string_view TextsAndValuesParam = "TextsAndValues";
inline constexpr std::string_view KeyParam = "Key";
inline constexpr std::string_view ValueParam = "Value";

// The type names DefineProperty knows (besides the enumerations defined with DefineEnum).
inline constexpr std::string_view TypeVariant = "Variant";
inline constexpr std::string_view TypeI2 = "I2";
inline constexpr std::string_view TypeI4 = "I4";
inline constexpr std::string_view TypeR4 = "R4";
inline constexpr std::string_view TypeR8 = "R8";
inline constexpr std::string_view TypeStr = "Str";
inline constexpr std::string_view TypeBool = "Bool";
inline constexpr std::string_view TypeDate = "Date";
inline constexpr std::string_view TypeObject = "Object";

// Errors (number 5, the object's class name as source).
inline constexpr std::string_view BadName = "Not a member name: ";
inline constexpr std::string_view AlreadyDefined = "Already defined: ";
inline constexpr std::string_view UnknownType = "Unknown type name: ";
inline constexpr std::string_view UnpairedItems = "Items and values come in pairs.";
inline constexpr std::string_view NoJobProperty = "Job property not found: ";

}  // namespace tav::ObjectText
