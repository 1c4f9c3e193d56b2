#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/format/FormatSections.h"

namespace tav {

// One section of a text format: character placeholders '@' (a blank when there is no character
// for it) and '&' (nothing), '<' lower case, '>' upper case, '!' fill from the left.
struct TextSection {
    enum class Case : unsigned char { AsIs, Lower, Upper };
    struct Item {
        bool placeholder;  // else literal text[offset, offset + length)
        char blank;        // what an unfilled placeholder shows: ' ' for '@', nothing for '&'
        uint32_t offset = 0, length = 0;
    };

    std::vector<Item> items;
    std::string text;
    int64_t placeholders = 0;
    Case letterCase = Case::AsIs;
    bool fromLeft = false;
    bool empty = true;
};

// '@', '&', '<', '>' and '!' mark a text format.
bool isTextMark(char c) noexcept;
TextSection compileTextSection(std::span<const FormatChar> chars);

// Lays the characters of `value` (UTF-8; a character is a code point) into the placeholders.
// Filling runs from the right: a short value leaves the first placeholders blank; a long value
// gives one character to each placeholder, from the left, and the rest follows at the very end,
// after any trailing literal text ("testing" with "@\x" is "txesting"). With '!' the value
// starts at the first placeholder and the blanks come last. Without placeholders the value
// follows the literal text. The first of '<' and '>' decides the case.
void appendText(const TextSection& section, std::string_view value, std::string& out);

}  // namespace tav
