#pragma once
#include <string_view>

// The texts and numbers of the locale layer's errors and warnings.
namespace tav::LocaleText {

inline constexpr std::string_view ErrSource = "Locale";
inline constexpr std::string_view EmptyName = "A locale name is required (such as de-DE)";
inline constexpr std::string_view TooLong = "The locale name is too long: ";
inline constexpr std::string_view NotBcp47 = "Not a BCP 47 locale name (such as de-DE): ";
inline constexpr std::string_view Extensions = "Locale names with extensions are not supported: ";
inline constexpr std::string_view NoData = "No regional data for the locale ";
inline constexpr std::string_view UnknownRegion = "Unknown region in the locale name ";
inline constexpr std::string_view Quote = "'";
inline constexpr std::string_view Ellipsis = "...";

// The environment warning: "locale 'xx_YY.UTF-8' (LANG) is not known: using en-US".
inline constexpr std::string_view WarnLocale = "locale '";
inline constexpr std::string_view WarnFrom = "' (";
inline constexpr std::string_view WarnUnknown = ") is not known: using en-US";

}  // namespace tav::LocaleText
