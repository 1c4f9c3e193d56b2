#include "automation/conversions/CaselessMatch.h"

#include <unicode/uchar.h>

#include "automation/values/Utf8.h"

namespace tav::caseless {

namespace {

constexpr unsigned char AsciiLimit = 0x80;

char32_t asciiFold(char32_t c) {
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

// The character at `i` and its length; a malformed sequence is its first byte, marked so that
// it never equals a character.
char32_t decodeAt(std::string_view s, size_t i, size_t& length) {
    length = utf8::charLength(s, i);
    const auto lead = static_cast<unsigned char>(s[i]);
    if (length == 1) return lead < AsciiLimit ? lead : static_cast<char32_t>(0x110000u + lead);
    char32_t c = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return c;
}

char32_t fold(char32_t c) {
    if (c < AsciiLimit) return asciiFold(c);
    if (c > 0x10FFFF) return c;
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

}  // namespace

size_t prefixLength(std::string_view text, std::string_view word) {
    if (word.empty()) return 0;
    size_t t = 0, w = 0;
    while (w < word.size()) {
        if (t >= text.size()) return 0;
        const auto tb = static_cast<unsigned char>(text[t]);
        const auto wb = static_cast<unsigned char>(word[w]);
        if (tb < AsciiLimit && wb < AsciiLimit) {  // the common case: both ASCII
            if (asciiFold(tb) != asciiFold(wb)) return 0;
            ++t;
            ++w;
            continue;
        }
        size_t tl = 0, wl = 0;
        if (fold(decodeAt(text, t, tl)) != fold(decodeAt(word, w, wl))) return 0;
        t += tl;
        w += wl;
    }
    return t;
}

}  // namespace tav::caseless
