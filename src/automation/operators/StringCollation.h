#pragma once
#include <cstdint>
#include <string_view>

// The platform's default linguistic order of text, as string comparison of Variants uses it in
// en-US and in every locale whose language has no order of its own (LocaleCollator.h).
//
// Texts compare level by level; a later level only counts when all earlier ones are equal:
//   1. the characters: white space and punctuation, then symbols, then digits, then letters
//      (alphabetically, ignoring case and accents), then the letters of other scripts;
//   2. the accents (a plain letter before the accented ones);
//   3. the case: lower case before upper case ("a" < "A" < "b");
//   4. the hyphen and the apostrophe, which are otherwise ignored ("coop" < "co-op" < "cop").
// Control characters are ignored altogether. Ligatures compare as their letters (ß as "ss").
// Half-width katakana weigh as the standard ones and sort just before them.
// Text is UTF-8; a byte that is not part of valid UTF-8 sorts by its value after all letters.
namespace tav::collation {

enum class Case : uint8_t { Sensitive, Ignore };

// Negative, zero or positive as `a` sorts before, with or after `b`.
int compare(std::string_view a, std::string_view b, Case caseRule = Case::Sensitive);

}  // namespace tav::collation
