#pragma once
#include <array>
#include <cstddef>
#include <string_view>

// Blanks as the text conversions skip them around numbers and dates: ASCII white space and the
// Unicode space separators (the no-break space U+00A0, which pasted numbers often carry, the
// typographic spaces U+2000..U+200A, U+1680, U+202F, U+205F, the ideographic space U+3000) and
// the line and paragraph separators U+2028 and U+2029. Zero-width characters are not blanks.
namespace tav::blanks {

// The UTF-8 forms of the blanks beyond ASCII.
inline constexpr std::array<std::string_view, 18> Wide = {
    "\xC2\xA0",                                                          // U+00A0
    "\xE1\x9A\x80",                                                      // U+1680
    "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82", "\xE2\x80\x83",      // U+2000..U+2003
    "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87",      // U+2004..U+2007
    "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A",                      // U+2008..U+200A
    "\xE2\x80\xA8", "\xE2\x80\xA9",                                      // U+2028, U+2029
    "\xE2\x80\xAF",                                                      // U+202F
    "\xE2\x81\x9F",                                                      // U+205F
    "\xE3\x80\x80",                                                      // U+3000
};

inline bool isAsciiBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');  // tab, line feed, vertical tab, form feed, return
}

inline bool isWideLead(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u == 0xC2 || u == 0xE1 || u == 0xE2 || u == 0xE3;
}

// Length of the blank at the front of `s`; 0 when it does not start with one.
inline size_t lengthAtFront(std::string_view s) {
    if (s.empty()) return 0;
    if (isAsciiBlank(s.front())) return 1;
    if (!isWideLead(s.front())) return 0;
    for (std::string_view w : Wide)
        if (s.starts_with(w)) return w.size();
    return 0;
}

// Length of the blank at the back of `s`; 0 when it does not end with one.
inline size_t lengthAtBack(std::string_view s) {
    if (s.empty()) return 0;
    if (isAsciiBlank(s.back())) return 1;
    if (static_cast<unsigned char>(s.back()) < 0x80) return 0;
    for (std::string_view w : Wide)
        if (s.ends_with(w)) return w.size();
    return 0;
}

inline std::string_view trim(std::string_view s) {
    const auto plain = [](char c) { return c > ' ' && static_cast<unsigned char>(c) < 0x80; };
    if (!s.empty() && plain(s.front()) && plain(s.back())) return s;  // the common case
    while (size_t n = lengthAtFront(s)) s.remove_prefix(n);
    while (size_t n = lengthAtBack(s)) s.remove_suffix(n);
    return s;
}

}  // namespace tav::blanks
