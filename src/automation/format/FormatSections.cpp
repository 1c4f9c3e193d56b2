#include "automation/format/FormatSections.h"

namespace tav {

namespace {
constexpr char kQuote = '"';
constexpr char kEscape = '\\';
constexpr char kSectionSeparator = ';';
}  // namespace

std::vector<FormatSection> lexSections(std::string_view format) {
    std::vector<FormatSection> sections(1);
    const size_t n = format.size();
    size_t i = 0;
    while (i < n) {
        FormatSection& current = sections.back();
        const char c = format[i];
        if (c == kSectionSeparator) {
            if (sections.size() == MaxFormatSections) break;
            sections.emplace_back();
            ++i;
            continue;
        }
        current.empty = false;
        if (c == kQuote) {
            size_t close = format.find(kQuote, i + 1);
            if (close == std::string_view::npos) close = n;
            for (size_t j = i + 1; j < close; ++j)
                current.chars.push_back({format[j], FormatChar::Kind::Literal});
            i = close + 1;
        } else if (c == kEscape) {
            if (i + 1 < n) current.chars.push_back({format[i + 1], FormatChar::Kind::Literal});
            i += 2;
        } else {
            current.chars.push_back({c, FormatChar::Kind::Raw});
            ++i;
        }
    }
    return sections;
}

bool rawTextAt(std::span<const FormatChar> chars, size_t i, std::string_view lowerText) noexcept {
    if (i > chars.size() || lowerText.size() > chars.size() - i) return false;
    for (size_t k = 0; k < lowerText.size(); ++k)
        if (!chars[i + k].isRaw() || asciiLower(chars[i + k].c) != lowerText[k]) return false;
    return true;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

}  // namespace tav
