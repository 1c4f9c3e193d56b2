#pragma once
#include <string>
#include <string_view>
#include <utility>

#include "automation/locale/Locale.h"

// The regional data writes its date and number layouts as CLDR patterns ("EEEE, d. MMMM y",
// "#,##0.00 ¤"); the conversions and Format read the platform's pictures ("dddd, d. MMMM yyyy")
// and currency layouts ("n $"). These translate the one into the other.
namespace tav::regionalpattern {

// A date or time pattern as a picture. Fields the pictures have no use for (era, time zone,
// fractions of a second) are left out with the blanks around them. With `fourDigitYears` a
// year field of any width shows four digits, as the platform's short dates do.
std::string datePicture(std::string_view pattern, bool fourDigitYears);

// The order of day, month and year in a picture (MDY when it has no date fields).
Locale::DateOrder dateOrder(std::string_view picture);

// The text between the first field of `first` letters and the next field ("." of "dd.MM.yyyy",
// ":" of "HH:mm:ss" for 'H'/'h'), without blanks; `fallback` when there is none.
std::string separatorAfter(std::string_view picture, std::string_view firstLetters,
                           std::string_view fallback);

// The positive and negative currency layouts of a currency pattern ("¤#,##0.00" gives "$n" and
// "-$n"): '$' the symbol, 'n' the number; without a negative pattern, a minus sign goes in front
// of the positive one. A no-break space between number and symbol becomes an ordinary one, as
// in the platform's layouts ("n $").
std::pair<std::string, std::string> currencyLayouts(std::string_view pattern);

// Removes the invisible direction marks (U+200E, U+200F, U+061C, U+202A..U+202E, U+2066..U+2069)
// that the data puts around fields for right-to-left text: the pictures lay out the fields
// themselves.
void removeDirectionMarks(std::string& text);

}  // namespace tav::regionalpattern
