// Text formats with what the behaviour vectors do not carry well: case mapping in every script,
// characters of more than one byte and bytes that are no UTF-8, very long values. The plain
// cases are lines of tests/data/library-choices.tsv.
#include <gtest/gtest.h>

#include "FormatTestSupport.h"

namespace tav {
namespace {

using testing::FormatCase;
using testing::formatted;

class FormatText : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatText, GivesText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatted(c.value, c.format), c.expected);
}

const FormatCase kText[] = {
    // Case mapping: letter by letter, every script; signs, a letter without a one-letter
    // capital (sharp s) and bytes that are not UTF-8 stay.
    {Variant("ABC Def"), "<", "abc def"},
    {Variant("\xC3\xA9t\xC3\xA9 \xC3\xB7"), ">", "\xC3\x89T\xC3\x89 \xC3\xB7"},
    {Variant("\xC3\x80\xC3\x97"), "<", "\xC3\xA0\xC3\x97"},
    {Variant("\xD0\xBF\xD1\x80\xD0\xB8 \xCF\x83\xCE\xB1\xCF\x82 \xC3\xBF\xC5\x93"), ">",
     "\xD0\x9F\xD0\xA0\xD0\x98 \xCE\xA3\xCE\x91\xCE\xA3 \xC5\xB8\xC5\x92"},
    {Variant("\xD0\x96\xCE\xA3\xC4\x80"), "<", "\xD0\xB6\xCF\x83\xC4\x81"},
    {Variant("stra\xC3\x9F" "e \xFF\xC3"), ">", "STRA\xC3\x9F" "E \xFF\xC3"},
    {Variant("Mixed"), "<>", "mixed"},  // the first case mark decides
    {Variant("ABC"), "@@@@", " ABC"},  // no case mark: the letters stay as they are
    // A placeholder takes a character, not a byte.
    {Variant("\xC3\xA9"), "@@@", "  \xC3\xA9"},
    {Variant("\xE2\x82\xAC\xC3\xA9x"), "@-@-@", "\xE2\x82\xAC-\xC3\xA9-x"},
    {Variant("\x80\x80"), "@@@", " \x80\x80"},  // stray continuation bytes count alone
};
INSTANTIATE_TEST_SUITE_P(Text, FormatText, ::testing::ValuesIn(kText));

TEST(FormatTextLong, LongValuesAndManyPlaceholders) {
    const std::string value(100000, 'x');
    EXPECT_EQ(formatted(Variant(value), "@"), value);
    EXPECT_EQ(formatted(Variant(value), ">@@"), std::string(100000, 'X'));
    EXPECT_EQ(formatted(Variant("ab"), std::string(10000, '@')), std::string(9998, ' ') + "ab");
}

}  // namespace
}  // namespace tav
