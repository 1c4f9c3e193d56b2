#pragma once
#include <string_view>

// Names, help texts, messages and looks of the Qt front end.
namespace tav::QtText {

// The adapters' classes (what TypeName answers for them).
inline constexpr std::string_view LineEditControl = "LineEditControl";
inline constexpr std::string_view LineEditControlHelp =
    "A Qt line edit as a text box: the user's text is stored on Return or when the edit loses "
    "focus.";
inline constexpr std::string_view CheckBoxControl = "CheckBoxControl";
inline constexpr std::string_view CheckBoxControlHelp =
    "A Qt check box: stored when the user toggles it.";
inline constexpr std::string_view RadioButtonControl = "RadioButtonControl";
inline constexpr std::string_view RadioButtonControlHelp =
    "A Qt radio button as an option button: stored as true when the user chooses it.";
inline constexpr std::string_view PushButtonControl = "PushButtonControl";
inline constexpr std::string_view PushButtonControlHelp =
    "A Qt push button as a command button: a click stores true.";
inline constexpr std::string_view ComboBoxControl = "ComboBoxControl";
inline constexpr std::string_view ComboBoxControlHelp =
    "A Qt combo box: a list of items; stored when the user chooses an item.";
inline constexpr std::string_view LabelControl = "LabelControl";
inline constexpr std::string_view LabelControlHelp = "A Qt label: shows a value as text.";

// Making the widget of a control kind.
inline constexpr std::string_view UnknownKind = "No widget for the control kind: ";
inline constexpr std::string_view UnknownWidgetClass = "No control for a widget of class ";
inline constexpr std::string_view NoSuchWidget = "No widget of that name in the form: ";
// A binding's name when its widget has none.
inline constexpr std::string_view UnnamedWidget = "widget";
inline constexpr std::string_view WidgetSource = "Qt";
inline constexpr std::string_view WidgetGone = "The control's widget no longer exists.";

// QObjects as source objects.
inline constexpr std::string_view QObjectProxyHelp =
    "A QObject: its Q_PROPERTYs and dynamic properties, announced through their change signals.";
inline constexpr std::string_view ObjectGone = "The QObject no longer exists.";

// A form file's Designer form.
inline constexpr std::string_view CannotReadUi = "cannot read the Designer form ";
inline constexpr std::string_view CannotLoadUi = "cannot load the Designer form ";
inline constexpr std::string_view KindIsNot = " is a ";
inline constexpr std::string_view KindButNot = ", not a ";

// The window.
inline constexpr std::string_view WindowTitle = "tavparts gui: ";
inline constexpr std::string_view Replay = "Replay";
inline constexpr std::string_view ReplayToolTip =
    "Applies the form's edit steps one after the other.";
inline constexpr std::string_view ReplayProgress = "Replaying %1/%2";
inline constexpr std::string_view NoFailures = "No failures.";
inline constexpr std::string_view LastFailure = "Last failure: ";
inline constexpr std::string_view Failed = " failed (%1): ";
inline constexpr std::string_view LabelSuffix = ":";
inline constexpr std::string_view StepSeparator = ": ";
// A replayed step waits this long after the one before, so that its effect can be seen.
inline constexpr int ReplayStepMs = 600;
// The narrowest the window lays its form out.
inline constexpr int MinimumFormWidth = 400;

// The mark of a control whose last storage failed.
inline constexpr unsigned ErrorColour = 0xD0021B;
inline constexpr int ErrorFrameWidth = 2;

}  // namespace tav::QtText
