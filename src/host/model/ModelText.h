#pragma once
#include <string_view>

// Names, help texts and messages of the host's model world: models and their objects, scopes
// and the scope manager, the container, operations, the schema of property accessors.
namespace tav::ModelText {

// Classes (Host.NAME) and their help.
inline constexpr std::string_view Model = "Model";
inline constexpr std::string_view ModelHelp =
    "A 3D-model document: objects of named classes with property values.";
inline constexpr std::string_view ModelObject = "ModelObject";
inline constexpr std::string_view ModelObjectHelp =
    "An object of a model: an atom, a bond, a residue, ...";
inline constexpr std::string_view Schema = "Schema";
inline constexpr std::string_view SchemaHelp =
    "The declarations of the property accessors of this thread.";
inline constexpr std::string_view DMUtility = "DMUtility";
inline constexpr std::string_view DMUtilityHelp =
    "Property accessors and class filter texts of the model library.";
inline constexpr std::string_view PropertyAccessor = "PropertyAccessor";
inline constexpr std::string_view PropertyAccessorHelp =
    "Reads, validates and stores one property over a scope.";
inline constexpr std::string_view ValueList = "ValueList";
inline constexpr std::string_view ValueListHelp = "A list of values.";
inline constexpr std::string_view RationalConverter = "RationalConverter";
inline constexpr std::string_view RationalConverterHelp =
    "A number as the text of the nearest fraction.";
inline constexpr std::string_view Scope = "Scope";
inline constexpr std::string_view ScopeHelp = "A set of objects, in order.";
inline constexpr std::string_view ScopeContents = "ScopeContents";
inline constexpr std::string_view ScopeContentsHelp = "The objects of a scope.";
inline constexpr std::string_view ScopeManager = "ScopeManager";
inline constexpr std::string_view ScopeManagerHelp =
    "The default scope, and scopes processed by named processors.";
inline constexpr std::string_view ScopeManagerHolder = "ScopeManagerHolder";
inline constexpr std::string_view ScopeManagerHolderHelp = "Hands out the scope manager.";
inline constexpr std::string_view Container = "Container";
inline constexpr std::string_view ContainerHelp =
    "The host container: scope manager, operation manager, messages, idle time.";
inline constexpr std::string_view MessageSink = "MessageSink";
inline constexpr std::string_view MessageSinkHelp = "Where the host shows messages.";
inline constexpr std::string_view OperationManager = "OperationManager";
inline constexpr std::string_view OperationManagerHelp = "Undoable operations and their history.";
inline constexpr std::string_view Operation = "Operation";
inline constexpr std::string_view OperationHelp = "An undoable operation; releasing it ends it.";
inline constexpr std::string_view ScopeEvents = "ScopeEvents";
inline constexpr std::string_view ScopeEventsHelp =
    "A form's handlers of an in-scope part's events.";

// Members.
inline constexpr std::string_view Add = "Add";
inline constexpr std::string_view AddObject = "AddObject";
inline constexpr std::string_view Attach = "Attach";
inline constexpr std::string_view ChangedAtoms = "ChangedAtoms";
inline constexpr std::string_view ClassFilterText = "ClassFilterText";
inline constexpr std::string_view ClassName = "ClassName";
inline constexpr std::string_view Contents = "Contents";
inline constexpr std::string_view Convert = "Convert";
inline constexpr std::string_view Count = "Count";
inline constexpr std::string_view DataType = "DataType";
inline constexpr std::string_view DefaultScope = "DefaultScope";
inline constexpr std::string_view DefineProperty = "DefineProperty";
inline constexpr std::string_view DisplayCandidate = "DisplayCandidate";
inline constexpr std::string_view FailProcessor = "FailProcessor";
inline constexpr std::string_view FailRead = "FailRead";
inline constexpr std::string_view FailValidation = "FailValidation";
inline constexpr std::string_view Flags = "Flags";
inline constexpr std::string_view HandleScope = "HandleScope";
inline constexpr std::string_view HandleStore = "HandleStore";
inline constexpr std::string_view HandleValidation = "HandleValidation";
inline constexpr std::string_view Idle = "Idle";
inline constexpr std::string_view Infinite = "Infinite";
inline constexpr std::string_view Item = "Item";
inline constexpr std::string_view LoadStructure = "LoadStructure";
inline constexpr std::string_view Lock = "Lock";
inline constexpr std::string_view LockHolder = "LockHolder";
inline constexpr std::string_view Locked = "Locked";
inline constexpr std::string_view Log = "Log";
inline constexpr std::string_view LongText = "LongText";
inline constexpr std::string_view Messages = "Messages";
inline constexpr std::string_view MultiValued = "MultiValued";
inline constexpr std::string_view Name = "Name";
inline constexpr std::string_view Operations = "Operations";
inline constexpr std::string_view Parent = "Parent";
inline constexpr std::string_view PeriodicParent = "PeriodicParent";
inline constexpr std::string_view ProcessScope = "ProcessScope";
inline constexpr std::string_view Processed = "Processed";
inline constexpr std::string_view Read = "Read";
inline constexpr std::string_view ReadAsText = "ReadAsText";
inline constexpr std::string_view Redo = "Redo";
inline constexpr std::string_view RedoCount = "RedoCount";
inline constexpr std::string_view SaveNotes = "SaveNotes";
inline constexpr std::string_view SaveStructure = "SaveStructure";
inline constexpr std::string_view Select = "Select";
inline constexpr std::string_view SelectScope = "SelectScope";
inline constexpr std::string_view SetApparent = "SetApparent";
inline constexpr std::string_view SetRange = "SetRange";
inline constexpr std::string_view SetWarning = "SetWarning";
inline constexpr std::string_view ShortText = "ShortText";
inline constexpr std::string_view ShowMessage = "ShowMessage";
inline constexpr std::string_view StartOperation = "StartOperation";
inline constexpr std::string_view StateA = "StateA";
inline constexpr std::string_view StateB = "StateB";
inline constexpr std::string_view Store = "Store";
inline constexpr std::string_view SymmetryParent = "SymmetryParent";
inline constexpr std::string_view Undo = "Undo";
inline constexpr std::string_view UndoCount = "UndoCount";
inline constexpr std::string_view Unlock = "Unlock";
inline constexpr std::string_view Validate = "Validate";
inline constexpr std::string_view Value = "Value";

// Parameters.
inline constexpr std::string_view ClassNameParam = "ClassName";
inline constexpr std::string_view CycleParam = "Cycle";
inline constexpr std::string_view DescriptionParam = "Description";
inline constexpr std::string_view Extra1Param = "Extra1";
inline constexpr std::string_view Extra2Param = "Extra2";
inline constexpr std::string_view FlagsParam = "Flags";
inline constexpr std::string_view HolderNameParam = "HolderName";
inline constexpr std::string_view IndexParam = "Index";
inline constexpr std::string_view LongParam = "LongText";
inline constexpr std::string_view MaxParam = "Max";
inline constexpr std::string_view MessageParam = "Message";
inline constexpr std::string_view MinParam = "Min";
inline constexpr std::string_view MultiValuedParam = "MultiValued";
inline constexpr std::string_view NameParam = "Name";
inline constexpr std::string_view NumberParam = "Number";
inline constexpr std::string_view ObjectParam = "Object";
inline constexpr std::string_view PartParam = "Part";
inline constexpr std::string_view PathParam = "Path";
inline constexpr std::string_view ProcessorNameParam = "ProcessorName";
inline constexpr std::string_view PropertyNameParam = "PropertyName";
inline constexpr std::string_view ReservedParam = "Reserved";
inline constexpr std::string_view Result1Param = "Result1";
inline constexpr std::string_view Result2Param = "Result2";
inline constexpr std::string_view Result3Param = "Result3";
inline constexpr std::string_view Result4Param = "Result4";
inline constexpr std::string_view Result5Param = "Result5";
inline constexpr std::string_view ScopeParam = "Scope";
inline constexpr std::string_view SelectionParam = "Selection";
inline constexpr std::string_view ShortParam = "ShortText";
inline constexpr std::string_view StatusParam = "Status";
inline constexpr std::string_view TextParam = "Text";
inline constexpr std::string_view TypeCodeParam = "TypeCode";
inline constexpr std::string_view ValueParam = "Value";

// Logs.
inline constexpr std::string_view OperationFieldSeparator = "/";
inline constexpr std::string_view EventNameSeparator = ":";

// Errors (number 5, the class name as source).
inline constexpr std::string_view NoAccessor = "No property accessor for: ";
inline constexpr std::string_view InfiniteScope = "An infinite scope can't be processed by: ";
inline constexpr std::string_view UnknownProcessor = "Unknown scope processor: ";
inline constexpr std::string_view NothingToUndo = "Nothing to undo";
inline constexpr std::string_view NothingToRedo = "Nothing to redo";
inline constexpr std::string_view ParentOfOtherModel =
    "A parent must be an object of the same model.";
// "NAME must lie between MIN and MAX."
inline constexpr std::string_view RangeBetween = " must lie between ";
inline constexpr std::string_view RangeAnd = " and ";
inline constexpr std::string_view RangeEnd = ".";

}  // namespace tav::ModelText
