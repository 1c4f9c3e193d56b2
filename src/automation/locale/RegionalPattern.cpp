#include "automation/locale/RegionalPattern.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tav::regionalpattern {

namespace {

constexpr char Quote = '\'';
constexpr char Blank = ' ';
constexpr char SymbolMark = '$';
constexpr char NumberMark = 'n';
constexpr char Minus = '-';
constexpr char SectionSeparator = ';';
constexpr std::string_view CurrencySign = "\xC2\xA4";  // U+00A4, the pattern's symbol place
constexpr std::string_view NumberBody = "#0123456789.,@";
constexpr size_t MaxDigitRun = 2;
constexpr size_t NameRun = 4;
constexpr size_t AbbrevRun = 3;
constexpr std::array<std::string_view, 12> DirectionMarks = {
    "\xE2\x80\x8E", "\xE2\x80\x8F", "\xD8\x9C",                                    // LRM RLM ALM
    "\xE2\x80\xAA", "\xE2\x80\xAB", "\xE2\x80\xAC", "\xE2\x80\xAD", "\xE2\x80\xAE",  // embeddings
    "\xE2\x81\xA6", "\xE2\x81\xA7", "\xE2\x81\xA8", "\xE2\x81\xA9"};              // isolates

// The no-break spaces the data puts between number and symbol; the platform's currency layouts
// have an ordinary space there.
constexpr std::array<std::string_view, 2> LayoutBlanks = {"\xC2\xA0", "\xE2\x80\xAF"};

size_t blankAt(std::string_view s, size_t i) {
    for (std::string_view b : LayoutBlanks)
        if (s.substr(i).starts_with(b)) return b.size();
    return 0;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The picture field for a run of `n` pattern letters `c`; empty for fields pictures leave out.
std::string pictureField(char c, size_t n, bool fourDigitYears) {
    const auto repeat = [](char letter, size_t count) { return std::string(count, letter); };
    switch (c) {
        case 'y':
        case 'u':
        case 'Y':
            return n == 2 && !fourDigitYears ? "yy" : "yyyy";
        case 'M':
        case 'L':
            return repeat('M', n > NameRun ? AbbrevRun : n);
        case 'd':
            return repeat('d', std::min(n, MaxDigitRun));
        case 'E':
        case 'c':
        case 'e':
            return repeat('d', n == NameRun ? NameRun : AbbrevRun);
        case 'h':
        case 'K':
            return repeat('h', std::min(n, MaxDigitRun));
        case 'H':
        case 'k':
            return repeat('H', std::min(n, MaxDigitRun));
        case 'm':
            return repeat('m', std::min(n, MaxDigitRun));
        case 's':
            return repeat('s', std::min(n, MaxDigitRun));
        case 'a':
        case 'b':
        case 'B':
            return "tt";
        default:  // era, time zone, fractions of a second, week and quarter fields
            return {};
    }
}

// Collapses runs of blanks left by dropped fields and trims the ends.
std::string tidyBlanks(const std::string& s) {
    std::string out;
    for (const char c : s)
        if (!(c == Blank && (out.empty() || out.back() == Blank))) out += c;
    while (!out.empty() && out.back() == Blank) out.pop_back();
    return out;
}

// Start and end of the first field in `picture` spelled with one of `letters`, outside quotes.
std::pair<size_t, size_t> fieldRun(std::string_view picture, std::string_view letters, size_t from) {
    bool quoted = false;
    for (size_t i = from; i < picture.size(); ++i) {
        if (picture[i] == Quote) quoted = !quoted;
        if (quoted || letters.find(picture[i]) == std::string_view::npos) continue;
        size_t j = i;
        while (j < picture.size() && picture[j] == picture[i]) ++j;
        return {i, j};
    }
    return {std::string_view::npos, std::string_view::npos};
}

}  // namespace

std::string datePicture(std::string_view pattern, bool fourDigitYears) {
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == Quote) {
            // Quoted text stays quoted ('' is a quote either way).
            size_t j = i + 1;
            while (j < pattern.size() && pattern[j] != Quote) ++j;
            out.append(pattern.substr(i, std::min(j + 1, pattern.size()) - i));
            i = j + 1;
            continue;
        }
        if (!isLetter(c)) {
            out += c;
            ++i;
            continue;
        }
        size_t j = i;
        while (j < pattern.size() && pattern[j] == c) ++j;
        out += pictureField(c, j - i, fourDigitYears);
        i = j;
    }
    removeDirectionMarks(out);
    return tidyBlanks(out);
}

Locale::DateOrder dateOrder(std::string_view picture) {
    const size_t day = fieldRun(picture, "d", 0).first;
    const size_t month = fieldRun(picture, "M", 0).first;
    const size_t year = fieldRun(picture, "y", 0).first;
    if (year < day && year < month) return Locale::DateOrder::YMD;
    if (day < month) return Locale::DateOrder::DMY;
    return Locale::DateOrder::MDY;
}

std::string separatorAfter(std::string_view picture, std::string_view firstLetters,
                           std::string_view fallback) {
    const auto [begin, end] = fieldRun(picture, firstLetters, 0);
    if (begin == std::string_view::npos) return std::string(fallback);
    std::string text;
    for (size_t i = end; i < picture.size() && !isLetter(picture[i]) && picture[i] != Quote; ++i)
        if (picture[i] != Blank) text += picture[i];
    return text.empty() ? std::string(fallback) : text;
}

std::pair<std::string, std::string> currencyLayouts(std::string_view pattern) {
    const auto layout = [](std::string_view section) {
        std::string out;
        bool numberDone = false;
        for (size_t i = 0; i < section.size();) {
            if (section.substr(i).starts_with(CurrencySign)) {
                while (section.substr(i).starts_with(CurrencySign)) i += CurrencySign.size();
                out += SymbolMark;
            } else if (NumberBody.find(section[i]) != std::string_view::npos) {
                while (i < section.size() && NumberBody.find(section[i]) != std::string_view::npos) ++i;
                if (!std::exchange(numberDone, true)) out += NumberMark;
            } else if (section[i] == Quote) {
                const size_t close = section.find(Quote, i + 1);
                const size_t end = close == std::string_view::npos ? section.size() : close;
                out.append(section.substr(i + 1, end - i - 1));
                i = end + 1;
            } else if (const size_t blank = blankAt(section, i)) {
                out += Blank;
                i += blank;
            } else {
                out += section[i++];
            }
        }
        removeDirectionMarks(out);
        return out;
    };
    const size_t split = pattern.find(SectionSeparator);
    std::string positive = layout(pattern.substr(0, split));
    std::string negative = split == std::string_view::npos ? std::string(1, Minus) + positive
                                                           : layout(pattern.substr(split + 1));
    return {positive, negative};
}

void removeDirectionMarks(std::string& text) {
    for (std::string_view mark : DirectionMarks)
        for (size_t at; (at = text.find(mark)) != std::string::npos;) text.erase(at, mark.size());
}

}  // namespace tav::regionalpattern
