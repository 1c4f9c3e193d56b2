#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The few UTF-8 facts that text handling here needs: where one character's bytes end.
namespace tav::utf8 {

constexpr bool isContinuation(char c) noexcept {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte length of the character starting at `i`: its whole sequence when well formed, else 1,
// so that malformed text goes byte by byte rather than being refused or cut inside a sequence.
constexpr size_t charLength(std::string_view s, size_t i) noexcept {
    const auto lead = static_cast<unsigned char>(s[i]);
    const size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    size_t n = 1;
    while (n < expected && i + n < s.size() && isContinuation(s[i + n])) ++n;
    return n == expected ? n : 1;
}

// The text with one wide character per character, for matching that must see characters rather
// than bytes; a byte that starts no well-formed sequence stands for itself.
inline std::wstring widened(std::string_view s) {
    std::wstring out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const size_t n = charLength(s, i);
        const auto lead = static_cast<unsigned char>(s[i]);
        // The lead byte keeps 7, 5, 4 or 3 bits; each continuation byte adds 6.
        char32_t c = n == 1 ? lead : lead & (0x7F >> n);
        for (size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(static_cast<wchar_t>(c));
        i += n;
    }
    return out;
}

}  // namespace tav::utf8
