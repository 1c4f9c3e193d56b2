#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// Names, help texts, messages and limits of the host's state system.
namespace tav::StateText {

// Class names (Host.State is the one a program creates).
inline constexpr std::string_view State = "State";
inline constexpr std::string_view StateHelp =
    "A universal state object: a type name and named, typed properties that announce their changes.";
inline constexpr std::string_view StateProperty = "StateProperty";
inline constexpr std::string_view StatePropertyHelp = "One property of a state object.";
inline constexpr std::string_view FloatStateProperty = "FloatStateProperty";
inline constexpr std::string_view FloatStatePropertyHelp =
    "A floating-point property of a state object, with the number of decimals worth showing.";
inline constexpr std::string_view EnumStateProperty = "EnumStateProperty";
inline constexpr std::string_view EnumStatePropertyHelp = "An enumerated property of a state object.";
inline constexpr std::string_view StateArray = "StateArray";
inline constexpr std::string_view StateArrayHelp = "The elements of an array-valued state property, from 1.";
inline constexpr std::string_view StateProperties = "StateProperties";
inline constexpr std::string_view StatePropertiesHelp = "The properties of a state object, from 1.";

// Members and parameters.
inline constexpr std::string_view DefineProperty = "DefineProperty";
inline constexpr std::string_view DefineFloatProperty = "DefineFloatProperty";
inline constexpr std::string_view DefineEnumProperty = "DefineEnumProperty";
inline constexpr std::string_view DefineArrayProperty = "DefineArrayProperty";
inline constexpr std::string_view TypeName = "TypeName";
inline constexpr std::string_view HasProperty = "HasProperty";
inline constexpr std::string_view Property = "Property";
inline constexpr std::string_view Properties = "Properties";
inline constexpr std::string_view LoadMetaFile = "LoadMetaFile";
inline constexpr std::string_view Import = "Import";
inline constexpr std::string_view Name = "Name";
inline constexpr std::string_view Type = "Type";
inline constexpr std::string_view IsArray = "IsArray";
inline constexpr std::string_view HoldsObject = "HoldsObject";
inline constexpr std::string_view Value = "Value";
inline constexpr std::string_view Array = "Array";
inline constexpr std::string_view Precision = "Precision";
inline constexpr std::string_view ItemValue = "ItemValue";
inline constexpr std::string_view ItemCount = "ItemCount";
inline constexpr std::string_view ItemName = "ItemName";
inline constexpr std::string_view Count = "Count";
inline constexpr std::string_view Item = "Item";
inline constexpr std::string_view NameParam = "Name";
inline constexpr std::string_view TypeNameParam = "TypeName";
inline constexpr std::string_view ValueParam = "Value";
inline constexpr std::string_view ValuesParam = "Values";
inline constexpr std::string_view PrecisionParam = "Precision";
inline constexpr std::string_view ItemsAndValuesParam = "ItemsAndValues";
inline constexpr std::string_view ItemNameParam = "ItemName";
inline constexpr std::string_view IndexParam = "Index";
inline constexpr std::string_view PathParam = "Path";
inline constexpr std::string_view FlagParam = "Flag";

// The type name of an enumerated property (the others are the value types' names).
inline constexpr std::string_view TypeEnum = "Enum";

// Errors: number 5 with this source (an index outside its range is error 9).
inline constexpr std::string_view ErrSource = "State";
inline constexpr std::string_view PropertyNotFound = "Property not found: ";
inline constexpr std::string_view EmptyName = "A property needs a name.";
inline constexpr std::string_view AlreadyDefined = "Already defined: ";
inline constexpr std::string_view UnknownType = "Unknown type name: ";
inline constexpr std::string_view NotFloatType = "Only R4 and R8 properties have a precision: ";
inline constexpr std::string_view UnpairedItems = "Items and values come in pairs.";
inline constexpr std::string_view NoItems = "An enumerated property needs items: ";
inline constexpr std::string_view EmptyItemName = "An item needs a name.";
inline constexpr std::string_view ItemTwice = "Item given twice: ";
inline constexpr std::string_view ItemNotFound = "Item not found: ";
inline constexpr std::string_view NotAnItemValue = "Not an item value: ";
inline constexpr std::string_view NotAList = "The values of an array property come as a one-dimensional array.";
inline constexpr std::string_view ObjectArray = "An array property cannot hold objects.";
inline constexpr std::string_view TooManyProperties = "A state holds at most 32767 properties.";
inline constexpr std::string_view TooManyItems = "An enumerated property holds at most 32767 items.";

// Limits: the parts reach properties and items by 16-bit indexes.
inline constexpr int32_t MaxProperties = 32767;
inline constexpr int32_t MaxItems = 32767;
inline constexpr int32_t FirstIndex = 1;

}  // namespace tav::StateText
