#include "automation/operators/StringCollation.h"

#include <array>

#include "automation/values/Utf8.h"

namespace tav::collation {

namespace {

// ---- Weights ---------------------------------------------------------------------------------

// Primary weights come in bands, in sort order.
constexpr uint32_t kPunctuationBase = 0x100;  // + position in kPunctuationOrder
constexpr uint32_t kSymbolBase = 0x200;       // + code point of a symbol outside ASCII
constexpr uint32_t kDigitBase = 0x4000;       // + digit value
constexpr uint32_t kLetterBase = 0x4100;      // + letter index (a = 0)
constexpr uint32_t kOtherBase = 0x10000;      // + code point (lower case where known)

// ASCII white space, punctuation and symbols in their sort order. The hyphen and the apostrophe
// are missing: they only count on the last level. Other ASCII control characters are ignored.
constexpr std::string_view kPunctuationOrder = "\t\n\v\f\r !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>";

// Secondary weights: an unaccented character, then the accents in this order.
constexpr uint16_t kPlain = 1;
enum class Mark : uint8_t {
    None,
    Grave,
    Acute,
    Circumflex,
    Tilde,
    Diaeresis,
    Ring,
    Cedilla,
    Stroke,
    Caron,
    Breve,
    Macron,
    Ogonek,
    DotAbove,
    DoubleAcute,
    MiddleDot,
    Other,
    Count
};
constexpr uint16_t markWeight(Mark m) noexcept {
    return static_cast<uint16_t>(kPlain + static_cast<uint8_t>(m));
}

// Tertiary weights: lower before upper; variants (ligatures, superscripts, the no-break space)
// after the plain forms.
constexpr uint8_t kLower = 1;
constexpr uint8_t kUpper = 2;
constexpr uint8_t kVariantLower = 3;
constexpr uint8_t kVariantUpper = 4;
constexpr uint8_t ignoringCase(uint8_t tertiary) noexcept {
    return tertiary == kUpper ? kLower : tertiary == kVariantUpper ? kVariantLower : tertiary;
}

enum class Special : uint8_t { None, Hyphen, Apostrophe };

struct Element {
    uint32_t primary = 0;
    uint16_t secondary = 0;
    uint8_t tertiary = 0;
    Special special = Special::None;
};

// ---- UTF-8 -----------------------------------------------------------------------------------

// Bytes that are not valid UTF-8 come back one by one as this base plus the byte: beyond every
// code point, so they sort after all text and never equal a real character.
constexpr char32_t kInvalidByteBase = 0x110000;

// Decodes the code point at `pos` and moves past it. Rejects overlong forms, surrogates and
// values beyond U+10FFFF.
constexpr char32_t decode(std::string_view s, size_t& pos) noexcept {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    size_t length = 0;
    char32_t c = 0, low = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, low = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, low = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, low = 0x10000;
    }
    if (length == 0 || pos + length > s.size()) return kInvalidByteBase + byte(pos++);
    for (size_t i = 1; i < length; ++i) {
        if (!utf8::isContinuation(s[pos + i])) return kInvalidByteBase + byte(pos++);
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    if (c < low || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return kInvalidByteBase + byte(pos++);
    pos += length;
    return c;
}

// ---- Latin letters with accents, ligatures ---------------------------------------------------

// The accented letters of Latin-1 and Latin Extended-A by accent, each with its base letter
// (same position, same case).
struct MarkedLetters {
    Mark mark;
    std::string_view letters;
    std::string_view bases;
};
constexpr MarkedLetters kMarkedLetters[] = {
    {Mark::Grave, "ÀÈÌÒÙàèìòù", "AEIOUaeiou"},
    {Mark::Acute, "ÁÉÍÓÚÝáéíóúýĆćĹĺŃńŔŕŚśŹź", "AEIOUYaeiouyCcLlNnRrSsZz"},
    {Mark::Circumflex, "ÂÊÎÔÛâêîôûĈĉĜĝĤĥĴĵŜŝŴŵŶŷ", "AEIOUaeiouCcGgHhJjSsWwYy"},
    {Mark::Tilde, "ÃÑÕãñõĨĩŨũ", "ANOanoIiUu"},
    {Mark::Diaeresis, "ÄËÏÖÜäëïöüÿŸ", "AEIOUaeiouyY"},
    {Mark::Ring, "ÅåŮů", "AaUu"},
    {Mark::Cedilla, "ÇçĢģĶķĻļŅņŖŗŞşŢţ", "CcGgKkLlNnRrSsTt"},
    {Mark::Stroke, "ÐðØøĐđĦħŁłŦŧ", "DdOoDdHhLlTt"},
    {Mark::Caron, "ČčĎďĚěĽľŇňŘřŠšŤťŽž", "CcDdEeLlNnRrSsTtZz"},
    {Mark::Breve, "ĂăĔĕĞğĬĭŎŏŬŭ", "AaEeGgIiOoUu"},
    {Mark::Macron, "ĀāĒēĪīŌōŪū", "AaEeIiOoUu"},
    {Mark::Ogonek, "ĄąĘęĮįŲų", "AaEeIiUu"},
    {Mark::DotAbove, "ĊċĖėĠġİŻż", "CcEeGgIZz"},
    {Mark::DoubleAcute, "ŐőŰű", "OoUu"},
    {Mark::MiddleDot, "Ŀŀ", "Ll"},
    {Mark::Other, "ıĸŉŊŋſ", "iknNns"},
};

// Letters that compare as two letters.
struct Expansion {
    char32_t letter;
    std::string_view letters;
};
constexpr Expansion kExpansions[] = {
    {U'Æ', "AE"}, {U'æ', "ae"}, {U'Œ', "OE"}, {U'œ', "oe"}, {U'Ĳ', "IJ"},
    {U'ĳ', "ij"}, {U'Þ', "TH"}, {U'þ', "th"}, {U'ß', "ss"}, {U'ẞ', "SS"},
};

constexpr char32_t kLatinFirst = 0xC0;
constexpr char32_t kLatinEnd = 0x180;

struct LatinLetter {
    char base = 0;  // the ASCII letter it is a form of (0: not an accented letter)
    Mark mark = Mark::None;
};

constexpr auto kLatinLetters = [] {
    std::array<LatinLetter, kLatinEnd - kLatinFirst> table{};
    for (const auto& group : kMarkedLetters) {
        size_t pos = 0;
        for (const char base : group.bases)
            table[decode(group.letters, pos) - kLatinFirst] = {base, group.mark};
    }
    return table;
}();

// Combining accents (U+0300 ...) that have a name above; the others weigh by code point.
constexpr char32_t kCombiningFirst = 0x300;
constexpr char32_t kCombiningLast = 0x36F;
struct CombiningMark {
    char32_t mark;
    Mark weight;
};
constexpr CombiningMark kCombiningMarks[] = {
    {0x300, Mark::Grave},       {0x301, Mark::Acute},     {0x302, Mark::Circumflex},
    {0x303, Mark::Tilde},       {0x304, Mark::Macron},    {0x306, Mark::Breve},
    {0x307, Mark::DotAbove},    {0x308, Mark::Diaeresis}, {0x30A, Mark::Ring},
    {0x30B, Mark::DoubleAcute}, {0x30C, Mark::Caron},     {0x327, Mark::Cedilla},
    {0x328, Mark::Ogonek},      {0x335, Mark::Stroke},    {0x338, Mark::Stroke},
};

// ---- Other characters ------------------------------------------------------------------------

struct Range {
    char32_t first, last;
    constexpr bool contains(char32_t c) const noexcept { return c >= first && c <= last; }
};

// Format and control characters that take no part in the order.
constexpr Range kIgnorable[] = {
    {0x80, 0x9F}, {0xAD, 0xAD}, {0x200B, 0x200F}, {0x2060, 0x206F}, {0xFEFF, 0xFEFF}};
// Punctuation and symbols beyond ASCII; they sort among themselves by code point.
constexpr Range kSymbols[] = {
    {0xA1, 0xBF}, {0xD7, 0xD7}, {0xF7, 0xF7}, {0x2000, 0x2BFF}, {0x3000, 0x303F}};
constexpr char32_t kNoBreakSpace = 0xA0;
constexpr char32_t kHyphens[] = {0x2010, 0x2011};
constexpr char32_t kRightSingleQuote = 0x2019;  // the typographic apostrophe
struct Superscript {
    char32_t sign;
    uint32_t digit;
};
constexpr Superscript kSuperscripts[] = {{0xB9, 1}, {0xB2, 2}, {0xB3, 3}};

// Katakana come in two widths: the half-width forms (U+FF66..U+FF9D) weigh as the standard
// letters they stand for and sort before them, which differ from them only on the last level.
constexpr char32_t kHalfWidthKanaFirst = 0xFF66;
constexpr std::u16string_view kHalfWidthKana =
    u"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン";
constexpr Range kKatakana = {0x30A1, 0x30FC};

// Scripts with case where the upper-case letters sit at a fixed distance from the lower-case ones.
struct CasedBlock {
    Range upper;
    char32_t toLower;
};
constexpr CasedBlock kCasedBlocks[] = {
    {{0x391, 0x3A9}, 0x20},  // Greek
    {{0x410, 0x42F}, 0x20},  // Cyrillic
    {{0x400, 0x40F}, 0x50},  // Cyrillic with accents
};

template <class Table>
constexpr bool inAny(const Table& ranges, char32_t c) noexcept {
    for (const Range& r : ranges)
        if (r.contains(c)) return true;
    return false;
}

// ---- Elements of a text ----------------------------------------------------------------------

constexpr Element letterElement(char ascii, bool variant) noexcept {
    const bool upper = ascii >= 'A' && ascii <= 'Z';
    const char lower = upper ? static_cast<char>(ascii - 'A' + 'a') : ascii;
    const uint8_t tertiary =
        variant ? (upper ? kVariantUpper : kVariantLower) : (upper ? kUpper : kLower);
    return {kLetterBase + static_cast<uint32_t>(lower - 'a'), kPlain, tertiary};
}

constexpr Element digitElement(uint32_t digit, bool variant) noexcept {
    return {kDigitBase + digit, kPlain, variant ? kVariantLower : kLower};
}

constexpr Element punctuationElement(size_t index, uint8_t tertiary) noexcept {
    return {kPunctuationBase + static_cast<uint32_t>(index), kPlain, tertiary};
}

constexpr Element markElement(uint16_t secondary) noexcept {
    return {0, secondary, 0};
}

constexpr Element specialElement(Special s) noexcept {
    return {0, 0, 0, s};
}

// Reads the collation elements of a UTF-8 text one by one.
class ElementReader {
  public:
    explicit ElementReader(std::string_view text) noexcept : text_(text) {}

    bool next(Element& e) noexcept {
        while (taken_ == count_) {
            if (pos_ >= text_.size()) return false;
            taken_ = count_ = 0;
            expand(decode(text_, pos_));
        }
        e = queue_[taken_++];
        return true;
    }

  private:
    void push(const Element& e) noexcept { queue_[count_++] = e; }

    void expand(char32_t c) noexcept {
        if (c < 0x80) return expandAscii(static_cast<char>(c));
        if (inAny(kIgnorable, c)) return;
        if (c == kNoBreakSpace)
            return push(punctuationElement(kPunctuationOrder.find(' '), kVariantLower));
        for (const auto& s : kSuperscripts)
            if (c == s.sign) return push(digitElement(s.digit, true));
        for (const char32_t h : kHyphens)
            if (c == h) return push(specialElement(Special::Hyphen));
        if (c == kRightSingleQuote) return push(specialElement(Special::Apostrophe));
        for (const auto& e : kExpansions)
            if (c == e.letter) {
                for (const char letter : e.letters) push(letterElement(letter, true));
                return;
            }
        if (c >= kLatinFirst && c < kLatinEnd && kLatinLetters[c - kLatinFirst].base != 0) {
            const LatinLetter& l = kLatinLetters[c - kLatinFirst];
            push(letterElement(l.base, false));
            return push(markElement(markWeight(l.mark)));
        }
        if (c >= kCombiningFirst && c <= kCombiningLast)
            return push(markElement(combiningWeight(c)));
        if (c >= kHalfWidthKanaFirst && c - kHalfWidthKanaFirst < kHalfWidthKana.size())
            return push({kOtherBase + kHalfWidthKana[c - kHalfWidthKanaFirst], kPlain, kLower});
        if (kKatakana.contains(c)) return push({kOtherBase + c, kPlain, kVariantLower});
        if (inAny(kSymbols, c)) return push({kSymbolBase + c, kPlain, kLower});
        for (const auto& block : kCasedBlocks)
            if (block.upper.contains(c))
                return push({kOtherBase + c + block.toLower, kPlain, kUpper});
        push({kOtherBase + c, kPlain, kLower});
    }

    void expandAscii(char c) noexcept {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return push(letterElement(c, false));
        if (c >= '0' && c <= '9') return push(digitElement(static_cast<uint32_t>(c - '0'), false));
        if (c == '-') return push(specialElement(Special::Hyphen));
        if (c == '\'') return push(specialElement(Special::Apostrophe));
        if (const size_t index = kPunctuationOrder.find(c); index != std::string_view::npos)
            push(punctuationElement(index, kLower));
    }

    static uint16_t combiningWeight(char32_t c) noexcept {
        for (const auto& m : kCombiningMarks)
            if (c == m.mark) return markWeight(m.weight);
        return static_cast<uint16_t>(markWeight(Mark::Count) + (c - kCombiningFirst));
    }

    std::string_view text_;
    size_t pos_ = 0;
    std::array<Element, 2> queue_{};  // one character gives at most two elements
    uint8_t count_ = 0;
    uint8_t taken_ = 0;
};

// ---- Comparison by level ---------------------------------------------------------------------

enum class Level : uint8_t { Primary, Secondary, Tertiary };

uint32_t weightOf(const Element& e, Level level, Case caseRule) noexcept {
    switch (level) {
        case Level::Primary:
            return e.primary;
        case Level::Secondary:
            return e.secondary;
        case Level::Tertiary:
            return caseRule == Case::Ignore ? ignoringCase(e.tertiary) : e.tertiary;
    }
    return 0;
}

// The next non-zero weight on `level`, or 0 at the end (the end sorts first).
uint32_t nextWeight(ElementReader& r, Level level, Case caseRule) noexcept {
    Element e;
    while (r.next(e))
        if (const uint32_t w = weightOf(e, level, caseRule)) return w;
    return 0;
}

int compareLevel(std::string_view a, std::string_view b, Level level, Case caseRule) noexcept {
    ElementReader ra(a), rb(b);
    while (true) {
        const uint32_t wa = nextWeight(ra, level, caseRule), wb = nextWeight(rb, level, caseRule);
        if (wa != wb) return wa < wb ? -1 : 1;
        if (wa == 0) return 0;
    }
}

// A hyphen or apostrophe and how many weighted characters come before it.
struct SpecialAt {
    size_t position = 0;
    Special kind = Special::None;
    auto operator<=>(const SpecialAt&) const = default;
};

bool nextSpecial(ElementReader& r, size_t& primaries, SpecialAt& out) noexcept {
    Element e;
    while (r.next(e)) {
        if (e.special != Special::None) {
            out = {primaries, e.special};
            return true;
        }
        if (e.primary != 0) ++primaries;
    }
    return false;
}

// The last level: the text without (or with fewer) hyphens and apostrophes first.
int compareSpecials(std::string_view a, std::string_view b) noexcept {
    ElementReader ra(a), rb(b);
    size_t pa = 0, pb = 0;
    while (true) {
        SpecialAt sa, sb;
        const bool hasA = nextSpecial(ra, pa, sa), hasB = nextSpecial(rb, pb, sb);
        if (!hasA || !hasB) return hasA == hasB ? 0 : (hasA ? 1 : -1);
        if (sa != sb) return sa < sb ? -1 : 1;
    }
}

}  // namespace

int compare(std::string_view a, std::string_view b, Case caseRule) {
    if (a == b) return 0;
    for (const Level level : {Level::Primary, Level::Secondary, Level::Tertiary})
        if (const int r = compareLevel(a, b, level, caseRule)) return r;
    return compareSpecials(a, b);
}

}  // namespace tav::collation
