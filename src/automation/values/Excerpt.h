#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tav {

// What an error message quotes of a text the user gave: at most a few hundred bytes, so that
// no input of any length comes back in full; a text cut short ends in "..." and never in half
// a UTF-8 character.
inline constexpr size_t QuotedBytes = 200;

inline std::string excerpt(std::string_view text, size_t longest = QuotedBytes) {
    constexpr std::string_view kCut = "...";
    constexpr unsigned char kContinuationMask = 0xC0, kContinuation = 0x80;
    if (text.size() <= longest) return std::string(text);
    size_t end = longest;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & kContinuationMask) == kContinuation) --end;
    return std::string(text.substr(0, end)) + std::string(kCut);
}

}  // namespace tav
