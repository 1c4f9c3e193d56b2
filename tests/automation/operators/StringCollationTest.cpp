#include "automation/operators/StringCollation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tav::collation::Case;
using tav::collation::compare;

int sign(int v) {
    return (v > 0) - (v < 0);
}

// Every pair of a sorted list must compare in list order, both ways round; that checks the
// bands (punctuation < symbols < digits < letters < other scripts), the levels (letters, then
// accents, then case, then hyphens and apostrophes) and that the order is consistent.
void expectSorted(const std::vector<std::string>& sorted, Case caseRule) {
    for (size_t i = 0; i < sorted.size(); ++i)
        for (size_t j = i + 1; j < sorted.size(); ++j) {
            EXPECT_LT(compare(sorted[i], sorted[j], caseRule), 0)
                << '"' << sorted[i] << "\" < \"" << sorted[j] << '"';
            EXPECT_GT(compare(sorted[j], sorted[i], caseRule), 0)
                << '"' << sorted[j] << "\" > \"" << sorted[i] << '"';
        }
}

TEST(StringCollation, OrdersTextLevelByLevel) {
    expectSorted(
        {"",   "\t", " ", "!",  "&",  "_",  "~", "+",  "=",    "¿",     "×",     "0",   "1",
         "2",  "²",  "3", "9",  "a",  "A",  "á", "Á",  "ä",    "a ",    "a1",    "a10", "a2",
         "ab", "ae", "æ", "Æ",  "af", "b",  "B", "co", "coop", "co-op", "co'op", "cop", "e",
         "é",  "f",  "s", "ss", "ß",  "st", "z", "Z",  "α",    "Α",     "β",     "я",   "\xff"},
        Case::Sensitive);
}

TEST(StringCollation, CaseBlindOrderStillSeesAccentsAndHyphens) {
    expectSorted({"A", "á", "AB", "co-op", "COP", "ss", "ß"}, Case::Ignore);
}

TEST(StringCollation, EqualTexts) {
    struct Pair {
        std::string a, b;
        Case caseRule;
    };
    const Pair pairs[] = {
        {"é", "e\u0301", Case::Sensitive},  // precomposed and combining accent
        {"a\x01"
         "b",
         "ab", Case::Sensitive},              // control characters are ignored
        {"a\u200Bb", "ab", Case::Sensitive},  // so are format characters
        {std::string("a\0b", 3), "ab", Case::Sensitive},
        {"ABC", "abc", Case::Ignore},
        {"ÉTÉ", "été", Case::Ignore},
        {"ΑΒΓ", "αβγ", Case::Ignore},
    };
    for (const auto& p : pairs) {
        EXPECT_EQ(compare(p.a, p.b, p.caseRule), 0) << p.a << " vs " << p.b;
        EXPECT_EQ(compare(p.b, p.a, p.caseRule), 0) << p.b << " vs " << p.a;
    }
}

// Broken UTF-8 must neither crash nor compare equal to the characters it resembles.
TEST(StringCollation, InvalidUtf8SortsByByteAfterText) {
    const std::string broken[] = {"\xC3",         "\xE2\x82",         "\xC0\x80",
                                  "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"};
    for (const auto& s : broken) {
        EXPECT_GT(compare(s, "z"), 0) << "broken text sorts after letters";
        EXPECT_NE(compare(s, "Ã"), 0);
        EXPECT_EQ(compare(s, s), 0);
        EXPECT_EQ(compare(s + "a", s + "a"), 0);
    }
    EXPECT_EQ(sign(compare("\xC3", "\xC4")), -1);
    EXPECT_EQ(sign(compare("a\xC3", "a")), 1);
}

}  // namespace
