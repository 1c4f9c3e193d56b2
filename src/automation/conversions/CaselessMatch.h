#pragma once
#include <cstddef>
#include <string_view>

// Matching a word of the regional data (a month name, a designator) at the front of a text
// without regard to case, in any script: "MÄRZ" and "märz" both start with "März". Characters
// are compared after simple Unicode case folding, one for one, and any blank matches any blank;
// bytes that are no UTF-8 compare as themselves.
namespace tav::caseless {

// The length in bytes of the front of `text` that matches all of `word`; 0 when `text` does not
// start with `word` (or `word` is empty).
size_t prefixLength(std::string_view text, std::string_view word);

}  // namespace tav::caseless
