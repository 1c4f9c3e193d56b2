#include "automation/format/UnicodeCase.h"

#include <locale.h>
#include <wctype.h>

#include <cstdint>

namespace tav {

namespace {

constexpr char32_t kLastAscii = 0x7F;
constexpr char32_t kSurrogateFirst = 0xD800, kSurrogateLast = 0xDFFF;
constexpr char32_t kLastCodePoint = 0x10FFFF;
// Where the locale's tables are missing: ASCII and the Latin-1 letters (U+00C0..U+00DE <->
// U+00E0..U+00FE, without the multiplication and division signs).
constexpr char32_t kLatin1UpperFirst = 0xC0, kLatin1UpperLast = 0xDE;
constexpr char32_t kTimesSign = 0xD7;
constexpr char32_t kLatin1CaseOffset = 0x20;
constexpr const char* kUnicodeLocale = "C.UTF-8";

// The C library's Unicode character tables, or null where the system has none.
locale_t unicodeLocale() {
    static const locale_t loc = newlocale(LC_CTYPE_MASK, kUnicodeLocale, static_cast<locale_t>(nullptr));
    return loc;
}

char32_t fallbackCase(char32_t c, bool upper) {
    if (upper) {
        if ((c >= 'a' && c <= 'z') || (c >= kLatin1UpperFirst + kLatin1CaseOffset &&
                                       c <= kLatin1UpperLast + kLatin1CaseOffset && c != kTimesSign + kLatin1CaseOffset))
            return c - kLatin1CaseOffset;
    } else if ((c >= 'A' && c <= 'Z') || (c >= kLatin1UpperFirst && c <= kLatin1UpperLast && c != kTimesSign)) {
        return c + kLatin1CaseOffset;
    }
    return c;
}

char32_t mapLetter(char32_t c, bool upper) {
    if (c <= kLastAscii) {
        if (upper && c >= 'a' && c <= 'z') return c - ('a' - 'A');
        if (!upper && c >= 'A' && c <= 'Z') return c + ('a' - 'A');
        return c;
    }
    const locale_t loc = unicodeLocale();
    if (!loc) return fallbackCase(c, upper);
    const wint_t w = static_cast<wint_t>(c);
    const wint_t mapped = upper ? towupper_l(w, loc) : towlower_l(w, loc);
    return static_cast<char32_t>(mapped);
}

// Decodes one well-formed UTF-8 sequence at s[i]: its code point and length, or length 0.
size_t decode(std::string_view s, size_t i, char32_t& c) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    size_t n;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    const char32_t shortest = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
    if (c < shortest || c > kLastCodePoint || (c >= kSurrogateFirst && c <= kSurrogateLast)) return 0;
    return n;
}

void encode(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string mapped(std::string_view text, bool upper) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t c;
        const size_t n = decode(text, i, c);
        if (n == 0) {
            out += text[i++];
            continue;
        }
        const char32_t m = mapLetter(c, upper);
        // A mapping that would leave Unicode (never expected) keeps the letter.
        encode(m <= kLastCodePoint && !(m >= kSurrogateFirst && m <= kSurrogateLast) ? m : c, out);
        i += n;
    }
    return out;
}

}  // namespace

std::string upperCased(std::string_view text) { return mapped(text, true); }
std::string lowerCased(std::string_view text) { return mapped(text, false); }

}  // namespace tav
