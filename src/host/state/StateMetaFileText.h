#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// The words, messages and limits of state meta files.
namespace tav::StateMetaFileText {

// The document type definition, by the name meta files give it, served from the system folder
// (or, with no host install, from beside the meta file).
inline constexpr std::string_view DtdFileName = "State.dtd";

// Elements and attributes (as the parser reports them, UTF-16).
inline constexpr std::u16string_view ElementState = u"State";
inline constexpr std::u16string_view ElementProperty = u"Property";
inline constexpr std::u16string_view ElementItem = u"Item";
inline constexpr std::u16string_view ElementElement = u"Element";
inline constexpr std::u16string_view AttrType = u"type";
inline constexpr std::u16string_view AttrName = u"name";
inline constexpr std::u16string_view AttrValue = u"value";
inline constexpr std::u16string_view AttrPrecision = u"precision";
inline constexpr std::u16string_view AttrArray = u"array";
inline constexpr std::string_view ArrayYes = "yes";
// The name under which the parser reports the external subset (State.dtd) as an entity.
inline constexpr std::u16string_view ExternalSubset = u"[dtd]";
inline constexpr std::string_view TypeEnum = "Enum";
// Values other than text are read as the body of a typed literal of the property's type.
inline constexpr std::string_view LiteralTagSeparator = ":";

// How a failure names its place: "FILE:LINE: why".
inline constexpr std::string_view PlaceSeparator = ":";
inline constexpr std::string_view WhySeparator = ": ";

// Why a file cannot be loaded.
inline constexpr std::string_view CannotRead = "cannot read the file";
inline constexpr std::string_view TooLarge = "the file is larger than 16 MiB";
inline constexpr std::string_view EntityRefused = "external entity refused (only State.dtd is read): ";
inline constexpr std::string_view DtdMissing = "State.dtd is not in ";
inline constexpr std::string_view DtdMissingElsewhere = " nor beside the meta file or in a folder above it";
inline constexpr std::string_view InternalSubset = "a state meta file brings no document type definition of its own";
inline constexpr std::string_view EntityDeclared = "a state meta file declares no entities: ";
inline constexpr std::string_view NotAStateFile = "the document element is not State";
inline constexpr std::string_view TooDeep = "elements nested too deep";
inline constexpr std::string_view UnexpectedElement = "unexpected element: ";
inline constexpr std::string_view NameTooLong = "a name longer than 255 characters";
inline constexpr std::string_view ValueTooLong = "a value longer than 65535 characters: ";
inline constexpr std::string_view UnknownType = "unknown type: ";
inline constexpr std::string_view NotAValue = "not a value of type ";
inline constexpr std::string_view NoValueForObject = "an Object property takes no value";
inline constexpr std::string_view PrecisionNeedsFloat = "precision is for R4 and R8 properties";
inline constexpr std::string_view PrecisionNotForArray = "precision is not for array properties";
inline constexpr std::string_view ArrayTakesElements = "an array property takes Element values, not a value";
inline constexpr std::string_view ArrayOfEnumOrObject = "an array property holds neither Enum nor Object values";
inline constexpr std::string_view ItemsOnlyForEnum = "only an Enum property has items";
inline constexpr std::string_view ElementsOnlyForArray = "only an array property has elements";
inline constexpr std::string_view Quote = "'";
// A failure's reason is cut to this many bytes (it quotes names and values of the file).
inline constexpr size_t QuotedWhy = 300;

// Limits that keep a hostile file from taking unbounded memory or time.
inline constexpr uintmax_t MaxFileBytes = 16u << 20;
inline constexpr int MaxDepth = 8;
inline constexpr size_t MaxNameLength = 255;
inline constexpr size_t MaxValueLength = 65535;
// No meta file needs entities; the limit stands behind the refusal of entity declarations.
inline constexpr size_t EntityExpansionLimit = 1000;

}  // namespace tav::StateMetaFileText
