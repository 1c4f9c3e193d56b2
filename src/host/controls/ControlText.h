#pragma once
#include <string_view>

// Names and help texts of the host's controls.
namespace tav::ControlText {

inline constexpr std::string_view Value = "Value";
inline constexpr std::string_view ValueHelp = "What the control holds.";

inline constexpr std::string_view TextBox = "TextBox";
inline constexpr std::string_view TextBoxHelp = "A text box: keeps the shown value as text; Null shows as empty text.";
inline constexpr std::string_view CheckBox = "CheckBox";
inline constexpr std::string_view CheckBoxHelp = "A check box: keeps a Boolean.";
inline constexpr std::string_view OptionButton = "OptionButton";
inline constexpr std::string_view OptionButtonHelp = "An option button: keeps a Boolean.";
inline constexpr std::string_view Button = "Button";
inline constexpr std::string_view ButtonHelp = "A command button: keeps a Boolean, true while clicked.";
inline constexpr std::string_view ComboBox = "ComboBox";
inline constexpr std::string_view ComboBoxHelp = "A combo box: keeps its text and a list of items.";
inline constexpr std::string_view Label = "Label";
inline constexpr std::string_view LabelHelp = "A label: shows the value as text; its user cannot change it.";

// Combo-box members.
inline constexpr std::string_view Clear = "Clear";
inline constexpr std::string_view AddItem = "AddItem";
inline constexpr std::string_view RemoveItem = "RemoveItem";
inline constexpr std::string_view ListCount = "ListCount";
inline constexpr std::string_view List = "List";
inline constexpr std::string_view ListIndex = "ListIndex";
inline constexpr std::string_view Text = "Text";
inline constexpr std::string_view Items = "Items";
inline constexpr std::string_view ItemParam = "Item";
inline constexpr std::string_view IndexParam = "Index";
// Items joins the list with this.
inline constexpr std::string_view ItemSeparator = "|";

}  // namespace tav::ControlText
