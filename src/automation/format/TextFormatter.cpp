#include "automation/format/TextFormatter.h"

#include <algorithm>

#include "automation/format/UnicodeCase.h"
#include "automation/values/Utf8.h"

namespace tav {

namespace {

constexpr char kBlankPlaceholder = '@';
constexpr char kOptionalPlaceholder = '&';
constexpr char kLowerCase = '<';
constexpr char kUpperCase = '>';
constexpr char kFromLeft = '!';
constexpr char kNoBlank = '\0';

std::string mapCase(std::string_view s, TextSection::Case mode) {
    return mode == TextSection::Case::Upper ? upperCased(s) : lowerCased(s);
}

int64_t countChars(std::string_view s) {
    int64_t n = 0;
    for (size_t i = 0; i < s.size(); i += utf8::charLength(s, i)) ++n;
    return n;
}

}  // namespace

bool isTextMark(char c) noexcept {
    return c == kBlankPlaceholder || c == kOptionalPlaceholder || c == kLowerCase ||
           c == kUpperCase || c == kFromLeft;
}

TextSection compileTextSection(std::span<const FormatChar> chars) {
    TextSection s;
    for (const FormatChar& fc : chars) {
        if (fc.isRaw(kBlankPlaceholder) || fc.isRaw(kOptionalPlaceholder)) {
            s.items.push_back({true, fc.c == kBlankPlaceholder ? ' ' : kNoBlank});
            ++s.placeholders;
        } else if (fc.isRaw(kLowerCase) || fc.isRaw(kUpperCase)) {
            // The first case mark decides; a later opposite one does not override it.
            if (s.letterCase == TextSection::Case::AsIs)
                s.letterCase = fc.c == kLowerCase ? TextSection::Case::Lower : TextSection::Case::Upper;
        } else if (fc.isRaw(kFromLeft)) {
            s.fromLeft = true;
        } else {
            if (s.items.empty() || s.items.back().placeholder)
                s.items.push_back({false, kNoBlank, static_cast<uint32_t>(s.text.size())});
            s.text += fc.c;
            ++s.items.back().length;
        }
    }
    s.empty = false;
    return s;
}

void appendText(const TextSection& s, std::string_view value, std::string& out) {
    std::string mapped;
    if (s.letterCase != TextSection::Case::AsIs) {
        mapped = mapCase(value, s.letterCase);
        value = mapped;
    }
    const int64_t length = s.placeholders > 0 ? countChars(value) : 0;
    // Placeholders [firstFilled, firstFilled + length) get characters, the others stay blank.
    const int64_t firstFilled = s.fromLeft ? 0 : std::max<int64_t>(0, s.placeholders - length);
    int64_t index = 0;
    size_t at = 0;  // byte position of the next unused character
    for (const TextSection::Item& it : s.items) {
        if (!it.placeholder) {
            out.append(s.text, it.offset, it.length);
            continue;
        }
        const int64_t k = index++;
        if (k < firstFilled || at >= value.size()) {
            if (it.blank != kNoBlank) out += it.blank;
        } else {
            const size_t n = utf8::charLength(value, at);
            out.append(value.substr(at, n));
            at += n;
        }
    }
    // What the placeholders had no room for follows everything, trailing literals included;
    // without placeholders that is the whole value.
    out.append(value.substr(at));
}

}  // namespace tav
