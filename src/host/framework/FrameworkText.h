#pragma once
#include <cstddef>
#include <string_view>

// Names, help texts, messages and limits of the binding framework's host objects.
namespace tav::FrameworkText {

// Class names (the program ids are "Host." + name).
inline constexpr std::string_view Form = "Form";
inline constexpr std::string_view FormHelp =
    "A form of the host: its bindings, their display and storage cycles, and the container root.";
inline constexpr std::string_view Binding = "Binding";
inline constexpr std::string_view BindingHelp = "One binding: a source part, its property, glues and a control.";
inline constexpr std::string_view BindingItem = "BindingItem";
inline constexpr std::string_view BindingItemHelp = "A binding as its glues see it.";
inline constexpr std::string_view Notifier = "Notifier";
inline constexpr std::string_view NotifierHelp = "The binding notifier source parts tell about changes.";
inline constexpr std::string_view Commands = "Commands";
inline constexpr std::string_view CommandsHelp = "The host's commands, run by name.";
inline constexpr std::string_view ContainerRoot = "ContainerRoot";
inline constexpr std::string_view ContainerRootHelp = "The host application's root object.";
inline constexpr std::string_view ControlFinder = "ControlFinder";
inline constexpr std::string_view ControlFinderHelp = "Finds the form's objects by name.";

// Member and parameter names.
inline constexpr std::string_view DesignMode = "DesignMode";
inline constexpr std::string_view Log = "Log";
inline constexpr std::string_view Failures = "Failures";
inline constexpr std::string_view AddCommand = "AddCommand";
inline constexpr std::string_view CommandRuns = "CommandRuns";
inline constexpr std::string_view RunCommand = "RunCommand";
inline constexpr std::string_view AddBinding = "AddBinding";
inline constexpr std::string_view SetSource = "SetSource";
inline constexpr std::string_view Display = "Display";
inline constexpr std::string_view Store = "Store";
inline constexpr std::string_view Item = "Item";
inline constexpr std::string_view WakeUp = "WakeUp";
inline constexpr std::string_view TearDown = "TearDown";
inline constexpr std::string_view Name = "Name";
inline constexpr std::string_view NameParam = "Name";
inline constexpr std::string_view BehaviourParam = "Behaviour";
inline constexpr std::string_view BindingNameParam = "BindingName";
inline constexpr std::string_view SourcePartParam = "SourcePart";
inline constexpr std::string_view PropertyNameParam = "PropertyName";
inline constexpr std::string_view ControlParam = "Control";
inline constexpr std::string_view GluesParam = "Glues";
inline constexpr std::string_view SourceObjectParam = "SourceObject";
inline constexpr std::string_view NotifierParam = "Notifier";

// Command behaviours: "ok", or "fail:NUMBER:TEXT".
inline constexpr std::string_view BehaviourOk = "ok";
inline constexpr std::string_view BehaviourFail = "fail";
inline constexpr char BehaviourSeparator = ':';

// What Store and Display answer besides a value.
inline constexpr std::string_view Stored = "#stored";
inline constexpr std::string_view Stopped = "#stopped";

// The notifier's log.
inline constexpr std::string_view LogPropertyChanged = "PropertyChanged:";
inline constexpr std::string_view LogAboutToChange = "AboutToChange";
inline constexpr std::string_view LogChanged = "Changed";
inline constexpr std::string_view ListSeparator = "|";
// Logs keep the newest calls only, so that a form that runs for long does not grow.
inline constexpr size_t LogLimit = 4096;
inline constexpr size_t FailureLimit = 1024;

// Several source properties are written "A|B".
inline constexpr char PropertySeparator = '|';

// Errors of the framework's own making (number 5, these sources and texts).
inline constexpr std::string_view CommandsSource = "Commands";
inline constexpr std::string_view UnknownCommand = "Unknown command: ";
inline constexpr std::string_view BadBehaviour = "A command behaves 'ok' or 'fail:NUMBER:TEXT', not: ";
inline constexpr std::string_view FormSource = "Form";
inline constexpr std::string_view NoSuchBinding = "No binding named ";
inline constexpr std::string_view NoSourcePart = "A binding needs a source part.";
inline constexpr std::string_view NoControl = "A binding needs a control.";
inline constexpr std::string_view NoProperty = "A binding needs a source property name.";
inline constexpr std::string_view NotAGlue = "Not a glue part: argument ";
inline constexpr std::string_view DirectGlueAlone = "A direct glue is the only glue of its binding, on one source property.";
inline constexpr std::string_view NotNameValueArray =
    "A binding with several source properties stores a two-dimensional name/value array.";
inline constexpr std::string_view Unsettled = "Redisplays did not settle; the remaining requests were dropped.";

// The cycle kinds as failures name them.
inline constexpr std::string_view CycleDisplay = "display";
inline constexpr std::string_view CycleStorage = "storage";
inline constexpr std::string_view CycleWakeUp = "wake-up";

// Requests handled in one go after a cycle, at most; more means glues keep asking each other.
inline constexpr size_t SettleLimit = 10000;

}  // namespace tav::FrameworkText
