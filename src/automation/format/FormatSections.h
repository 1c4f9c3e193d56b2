#pragma once
#include <span>
#include <string_view>
#include <vector>

namespace tav {

// One character of a format section once quoting is resolved. Characters in "double quotes" or
// after a backslash are literal whatever they are; raw characters may be placeholders or tokens.
// CurrencySymbol never comes from text: the named currency format puts it in to stand for the
// locale's symbol.
struct FormatChar {
    enum class Kind : unsigned char { Raw, Literal, CurrencySymbol };
    char c;
    Kind kind;

    bool isRaw() const noexcept { return kind == Kind::Raw; }
    bool isRaw(char wanted) const noexcept { return kind == Kind::Raw && c == wanted; }
};

struct FormatSection {
    std::vector<FormatChar> chars;
    bool empty = true;  // nothing at all was written between the semicolons
};

// A format has up to four sections separated by ';' (positive; negative; zero; Null for numbers,
// text; Null-or-empty for strings). Semicolons inside quotes or after a backslash do not split.
// Sections beyond the fourth are ignored, an unbalanced quote runs to the end of the format and a
// trailing lone backslash stands for nothing: malformed formats degrade to literal text.
constexpr int MaxFormatSections = 4;
std::vector<FormatSection> lexSections(std::string_view format);

// ASCII-only case folding: format tokens are matched without regard to case, never by locale.
constexpr char asciiLower(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}
bool equalsIgnoringCase(std::string_view a, std::string_view b) noexcept;
// Whether raw (unquoted) characters spelling `lowerText`, in any case, start at chars[i].
bool rawTextAt(std::span<const FormatChar> chars, size_t i, std::string_view lowerText) noexcept;

}  // namespace tav
