#pragma once
#include <cstdint>
#include <string_view>

// Names, keys, texts and numbers of the in-scope objects source part and its scope helpers.
namespace tav::InScopeText {

inline constexpr std::string_view ClassName = "SrcPart_InScopeIsdObjS";
inline constexpr std::string_view ClassHelp =
    "Binds every in-scope model object of one class at once, merging each property's values.";
inline constexpr std::string_view ErrSource = "SrcPart_InScopeIsdObjS";

// Design-time properties (also the bag keys) and their help texts.
inline constexpr std::string_view DMClassName = "DMClassName";
inline constexpr std::string_view DMClassNameHelp =
    "The display/user class name eg 'Atom' that will filter default-scope, and make undo-text.";
inline constexpr std::string_view AutoOperation = "AutoOperation";
inline constexpr std::string_view AutoOperationHelp =
    "How should operations be handled. NoFlags=allow undo/redo";
inline constexpr std::string_view PropertiesFunnel = "PropertiesFunnel";
inline constexpr std::string_view PropertiesFunnelHelp =
    "The properties of DMClass we need, that are read, unified/funnled, and written to.";
inline constexpr std::string_view ProcessScopeDelay = "ProcessScopeDelay";
inline constexpr std::string_view ProcessScopeDelayHelp =
    "If true, scope are processed/requested in idle time if needed, else scopes are processed "
    "immediately.";
inline constexpr std::string_view InfiniteScopeCrack = "InfiniteScopeCrack";
inline constexpr std::string_view InfiniteScopeCrackHelp = "How should infinte scopes be cracked";
inline constexpr std::string_view ScopeObject = "ScopeObject";
inline constexpr std::string_view ScopeObjectHelp = "Gets the scope being worked upon";
inline constexpr std::string_view DMUtility = "DMUtility";
inline constexpr std::string_view DMUtilityHelp =
    "A handy utility object for listners of events. Simplifies client code.";

inline constexpr std::string_view DefaultDMClassName = "Atom";
inline constexpr bool DefaultProcessScopeDelay = true;
inline constexpr int32_t DefaultAutoOperation = 0;

// The enumeration of crack strategies.
inline constexpr std::string_view CrackEnumName = "enumInfiniteScopeCrack";
inline constexpr std::string_view CrackFilterDisplayCandidate = "iscFilterDisplayCandidate";
inline constexpr std::string_view CrackNormalizePeriodicParent = "iscNormalzPeriodicParent";
inline constexpr std::string_view CrackNormalizeSymmetryParent = "iscNormalzSymetryParent";

// Pseudo-properties, compared exactly.
inline constexpr std::string_view AnyItems = "_AnyItems";
inline constexpr std::string_view CountItems = "_CountItems";

inline constexpr std::string_view CaptionPrefix = "InScopeObjs: ";
inline constexpr std::string_view DisplayItemsSuffix = " Items";
inline constexpr std::string_view EditorProgId = "TAVDesignEditors.Editor_InScopeIsdObjS";

// Events (__SrcPart_InScopeIsdObjS).
inline constexpr std::string_view EventInterface = "__SrcPart_InScopeIsdObjS";
inline constexpr std::string_view EventInterfaceHelp = "The events of SrcPart_InScopeIsdObjS.";
inline constexpr std::string_view RequestScope = "RequestScope";
inline constexpr std::string_view RequestScopeHelp =
    "Lets the process of getting a scope be overriden";
inline constexpr std::string_view RequestPropertyRead = "RequestPropertyRead";
inline constexpr std::string_view RequestPropertyReadHelp =
    "Lets each property's read/funnel process to be customized or overriden totally.";
inline constexpr std::string_view RequestPropertyValidate = "RequestPropertyValidate";
inline constexpr std::string_view RequestPropertyValidateHelp =
    "Lets each property's validate & convertl process to be customized or overriden totally.";
inline constexpr std::string_view RequestPropertyStore = "RequestPropertyStore";
inline constexpr std::string_view RequestPropertyStoreHelp =
    "Lets each property's store process to be customized or overriden totally.";

// Diagnostic messages.
inline constexpr std::string_view TraceDirectRebuild = "direct Rebuild scope for:";
inline constexpr std::string_view TraceIdleRebuild = "Idle Rebuild scope for:";

// Scope cracking and reading.
inline constexpr std::string_view ErrUnknownCrack = "Unknown value for InfiniteScopeCrack";
inline constexpr std::string_view ScopeErrorPrefix = "Error processing scope for class: ";
inline constexpr std::string_view LineBreak = "\r\n";
inline constexpr std::string_view ReadErrorWithProperty = " with property ";
inline constexpr std::string_view ReadErrorOpen = "(";
inline constexpr std::string_view ReadErrorClose = ")";
inline constexpr int32_t ReadFailureStatus = -100;
inline constexpr std::string_view ReadFailureMessage =
    "Failure occured getting values from property:";

// The error report of the event handlers: four lines.
inline constexpr std::string_view ReportError = "Error: ";
inline constexpr std::string_view ReportNumber = "Num: 0x";
inline constexpr std::string_view ReportSource = "Source: ";
inline constexpr std::string_view ScopeChangeFailed =
    "An error during scope-change, doing setup of in-scope objects of type:";
inline constexpr std::string_view IdleFailed =
    "An error occured during idle-time setup of in-scope objects of type:";

// Storing.
inline constexpr std::string_view ErrNoScope = "Unexpected, have no scope in which to store values";
inline constexpr std::string_view UndoShortPrefix = "Edit ";
inline constexpr std::string_view UndoLongPrefix = "edit of ";
inline constexpr std::string_view UndoOneObject = "'s ";
inline constexpr std::string_view UndoManyObjects = "s' ";
inline constexpr std::string_view UndoLongSuffix = " property";
inline constexpr std::string_view Blank = " ";

// Conversions for storing.
inline constexpr std::string_view TypeInteger = "integer";
inline constexpr std::string_view TypeDouble = "double precision floating point";
inline constexpr std::string_view TypeSingle = "floating point";
inline constexpr std::string_view TypeBoolean = "true/false";
inline constexpr std::string_view ErrNumericPrefix = "Unable to convert given value to a ";
inline constexpr std::string_view ErrNumericSuffix = " value.";
inline constexpr std::string_view ErrNotAnObject =
    "Value to be stored is not of required type, iDispatch or iUnknown, for property:";
inline constexpr std::string_view ErrNotAValueList =
    "Value to be stored is not a list of values, for property:";
inline constexpr std::string_view ErrEnumeration =
    "Unable to convert given value to an enumeration (number or string).";
inline constexpr std::string_view ErrRational =
    "Unable to convert value to rational, for property:";
inline constexpr std::string_view ErrRationalText = "Unable to convert given value to a rational";
inline constexpr std::string_view ErrDataType = "Unable to handle data type of property:";

}  // namespace tav::InScopeText
