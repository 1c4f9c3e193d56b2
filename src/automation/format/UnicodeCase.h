#pragma once
#include <string>
#include <string_view>

namespace tav {

// Upper- and lower-casing of UTF-8 text letter by letter, with the simple (one letter to one
// letter) case mappings of Unicode, as the platform's text functions map them: "straße" keeps
// its ß, "σας" becomes "ΣΑΣ". Bytes that are not well-formed UTF-8 are kept as they are.
std::string upperCased(std::string_view text);
std::string lowerCased(std::string_view text);

}  // namespace tav
