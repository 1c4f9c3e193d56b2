#pragma once
#include <cstddef>
#include <string_view>

// Blanks as the text conversions skip them around numbers and dates: ASCII white space and the
// no-break space (U+00A0, which pasted numbers often carry).
namespace tav::blanks {

constexpr unsigned char NoBreakLead = 0xC2;  // U+00A0 in UTF-8
constexpr unsigned char NoBreakTrail = 0xA0;

inline bool isAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool isNoBreakSpace(char lead, char trail) {
    return static_cast<unsigned char>(lead) == NoBreakLead &&
           static_cast<unsigned char>(trail) == NoBreakTrail;
}

// Length of the blank at the front of `s`; 0 when it does not start with one.
inline size_t lengthAtFront(std::string_view s) {
    if (s.empty()) return 0;
    if (isAsciiBlank(s.front())) return 1;
    return s.size() >= 2 && isNoBreakSpace(s[0], s[1]) ? 2 : 0;
}

// Length of the blank at the back of `s`; 0 when it does not end with one.
inline size_t lengthAtBack(std::string_view s) {
    if (s.empty()) return 0;
    if (isAsciiBlank(s.back())) return 1;
    return s.size() >= 2 && isNoBreakSpace(s[s.size() - 2], s.back()) ? 2 : 0;
}

inline std::string_view trim(std::string_view s) {
    while (size_t n = lengthAtFront(s)) s.remove_prefix(n);
    while (size_t n = lengthAtBack(s)) s.remove_suffix(n);
    return s;
}

}  // namespace tav::blanks
