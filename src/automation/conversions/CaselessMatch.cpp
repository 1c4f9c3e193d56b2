#include "automation/conversions/CaselessMatch.h"

#include <unicode/uchar.h>

#include "automation/conversions/Blanks.h"
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
        const auto textByte = static_cast<unsigned char>(text[t]);
        const auto wordByte = static_cast<unsigned char>(word[w]);
        const bool ascii = textByte < AsciiLimit && wordByte < AsciiLimit;
        if (ascii && !blanks::isAsciiBlank(static_cast<char>(wordByte))) {  // the common case
            if (asciiFold(textByte) != asciiFold(wordByte)) return 0;
            ++t;
            ++w;
            continue;
        }
        // A blank of the word matches any blank: the data writes "p. m." with a no-break space,
        // people type an ordinary one.
        if (const size_t wordBlank = blanks::lengthAtFront(word.substr(w))) {
            const size_t textBlank = blanks::lengthAtFront(text.substr(t));
            if (textBlank == 0) return 0;
            t += textBlank;
            w += wordBlank;
            continue;
        }
        size_t textLength = 0, wordLength = 0;
        if (fold(decodeAt(text, t, textLength)) != fold(decodeAt(word, w, wordLength))) return 0;
        t += textLength;
        w += wordLength;
    }
    return t;
}

}  // namespace tav::caseless
