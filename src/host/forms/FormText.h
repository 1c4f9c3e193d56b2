#pragma once
#include <string_view>

// The words and messages of form files (tavparts run).
namespace tav::FormText {

// Top-level lines.
inline constexpr std::string_view Object = "object";
inline constexpr std::string_view Part = "part";
inline constexpr std::string_view Control = "control";
inline constexpr std::string_view Command = "command";
inline constexpr std::string_view Source = "source";
inline constexpr std::string_view Bind = "bind";
inline constexpr std::string_view Edit = "edit";
inline constexpr std::string_view Change = "change";
// The Designer form (.ui) whose widgets are the form's controls.
inline constexpr std::string_view Ui = "ui";
// Indented lines under an object.
inline constexpr std::string_view Class = "class";
inline constexpr std::string_view Property = "property";
inline constexpr std::string_view Enum = "enum";
inline constexpr std::string_view Predefined = "predefined";
inline constexpr std::string_view JobProperty = "job-property";
// A universal state object: from a meta file or defined by indented lines.
inline constexpr std::string_view State = "state";
inline constexpr std::string_view Type = "type";
inline constexpr std::string_view Float = "float";
inline constexpr std::string_view Enumerated = "enumerated";
inline constexpr std::string_view Array = "array";
inline constexpr std::string_view StateProgId = "Host.State";
inline constexpr std::string_view UnderState = "a state";
inline constexpr std::string_view NoStateSystem = "the host's state system could not be started for ";

inline constexpr char Comment = '#';
inline constexpr char Assign = '=';
inline constexpr char MemberDot = '.';
// Controls are named by kind; their program id is "Host." + kind.
inline constexpr std::string_view ControlProgIdPrefix = "Host.";

// Why a form cannot be read.
inline constexpr std::string_view UnknownKeyword = "unknown line: ";
inline constexpr std::string_view ExpectedWords = "expected: ";
inline constexpr std::string_view NotInBlock = "an indented line belongs under an object or a part";
inline constexpr std::string_view NotUnder = " does not belong under ";
inline constexpr std::string_view AnObject = "an object";
inline constexpr std::string_view TopLevel = "the top level";
inline constexpr std::string_view BadEnumItem = "expected ITEM=INTEGER: ";
inline constexpr std::string_view BadEdit = "expected CONTROL=VALUE or OBJECT.PROPERTY=VALUE: ";
inline constexpr std::string_view ExpectedText = "expected a Str: literal";
inline constexpr std::string_view UnknownName = "no such name: ";
inline constexpr std::string_view NameTaken = "name used twice: ";
inline constexpr std::string_view MalformedValue = "malformed value ";
inline constexpr std::string_view PairedValues = "expected DISPLAY then TEXT VALUE pairs";
inline constexpr std::string_view NoKind = "a control without KIND takes it from its widget in the Designer form: ";
inline constexpr std::string_view NoDesigner =
    "a Designer form needs the Qt front end (tavparts built with Qt 6 Widgets): ";
inline constexpr std::string_view SecondDesigner = "a form has one Designer form";

// The printed steps.
inline constexpr std::string_view StepLoad = "load ";
inline constexpr std::string_view RowControl = "control";
inline constexpr std::string_view RowSource = "source";
inline constexpr std::string_view RowCommand = "command";
inline constexpr std::string_view RowFailure = "failed";
inline constexpr std::string_view Changed = "* ";
inline constexpr std::string_view Unchanged = "  ";
inline constexpr std::string_view Equals = " = ";
inline constexpr std::string_view Indent = "  ";
inline constexpr std::string_view Ran = "ran ";
inline constexpr std::string_view Time = " time";
inline constexpr std::string_view Times = " times";

}  // namespace tav::FormText
