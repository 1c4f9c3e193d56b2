#pragma once
#include <string_view>

// The words and messages of the form-file lines that build a model world: property
// declarations, models with their objects, host containers, and the steps that change the
// selection, give idle time, undo, redo and lock.
namespace tav::ModelFormText {

// Top-level lines.
inline constexpr std::string_view Schema = "schema";
inline constexpr std::string_view Range = "range";
inline constexpr std::string_view Warning = "warning";
inline constexpr std::string_view Model = "model";
inline constexpr std::string_view Container = "container";
inline constexpr std::string_view Structure = "structure";
// Lines under a model.
inline constexpr std::string_view Columns = "columns";
inline constexpr std::string_view Item = "item";
// Steps.
inline constexpr std::string_view Select = "select";
inline constexpr std::string_view Idle = "idle";
inline constexpr std::string_view Undo = "undo";
inline constexpr std::string_view Redo = "redo";
inline constexpr std::string_view Lock = "lock";
inline constexpr std::string_view Unlock = "unlock";
inline constexpr std::string_view Save = "save";

// Rows printed after each step.
inline constexpr std::string_view RowItem = "item";
inline constexpr std::string_view RowHistory = "history";
inline constexpr std::string_view RowMessage = "message";
inline constexpr std::string_view RowStructure = "structure";
inline constexpr std::string_view RowSaved = "saved";
inline constexpr std::string_view AtomsWord = " atoms, ";
inline constexpr std::string_view ChangedWord = " changed";
inline constexpr std::string_view HistoryUndo = " to undo, ";
inline constexpr std::string_view HistoryRedo = " to redo";
inline constexpr std::string_view ValueSeparator = " ";

// Why a line fails.
inline constexpr std::string_view TooManyValues = "more values than columns: ";
inline constexpr std::string_view UnknownItem = "no such item: ";
inline constexpr std::string_view UnknownModel = "no such model: ";
inline constexpr std::string_view UnknownContainer = "no such container: ";
inline constexpr std::string_view NameTaken = "name used twice: ";
inline constexpr std::string_view NotAStructure = "not a model read from a structure file: ";
inline constexpr std::string_view ItemsAndSelection = "items and a selection together: ";
inline constexpr std::string_view ExpectedText = "expected a text (Str:\"...\"): ";

// An idle call of a new idle period.
inline constexpr int IdleCycle = 0;

}  // namespace tav::ModelFormText
