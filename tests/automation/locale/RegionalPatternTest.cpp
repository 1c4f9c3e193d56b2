// The regional data's date and currency patterns as the platform's pictures and layouts.
#include <gtest/gtest.h>

#include "automation/locale/RegionalPattern.h"

namespace tav {
namespace {

namespace P = regionalpattern;

TEST(RegionalPattern, DatePatternsBecomePictures) {
    const struct {
        const char* pattern;
        bool fourDigitYears;
        const char* picture;
    } cases[] = {
        {"EEEE, d. MMMM y", false, "dddd, d. MMMM yyyy"},
        {"dd.MM.yy", true, "dd.MM.yyyy"},  // short dates show four digits
        {"dd.MM.yy", false, "dd.MM.yy"},
        {"h:mm:ss a", false, "h:mm:ss tt"},
        {"HH:mm:ss zzzz", false, "HH:mm:ss"},  // no time zone
        {"d 'de' MMMM 'de' y", false, "d 'de' MMMM 'de' yyyy"},
        {"y年M月d日EEEE", false, "yyyy年M月d日dddd"},
        {"d\u200F/M\u200F/y GGGGG", true, "d/M/yyyy"},  // no direction marks, no era
        {"EEE, LLL d ''yy", false, "ddd, MMM d ''yy"},
        {"HH.mm.ss", false, "HH.mm.ss"},
    };
    for (const auto& c : cases) EXPECT_EQ(P::datePicture(c.pattern, c.fourDigitYears), c.picture) << c.pattern;
}

TEST(RegionalPattern, PicturesGiveOrderAndSeparators) {
    EXPECT_EQ(P::dateOrder("dd.MM.yyyy"), Locale::DateOrder::DMY);
    EXPECT_EQ(P::dateOrder("yyyy-MM-dd"), Locale::DateOrder::YMD);
    EXPECT_EQ(P::dateOrder("M/d/yyyy"), Locale::DateOrder::MDY);
    EXPECT_EQ(P::separatorAfter("dd.MM.yyyy", "dMy", "/"), ".");
    EXPECT_EQ(P::separatorAfter("yyyy. MM. dd.", "dMy", "/"), ".");
    EXPECT_EQ(P::separatorAfter("d 'de' MMMM", "dMy", "/"), "/");
    EXPECT_EQ(P::separatorAfter("H.mm.ss", "Hh", ":"), ".");
}

TEST(RegionalPattern, CurrencyPatternsBecomeLayouts) {
    const struct {
        const char* pattern;
        const char* positive;
        const char* negative;
    } cases[] = {
        {"¤#,##0.00", "$n", "-$n"},
        {"#,##0.00\u00A0¤", "n $", "-n $"},  // an ordinary space, as the platform has
        {"¤#,##0.00;(¤#,##0.00)", "$n", "($n)"},
        {"¤\u00A0#,##0.00;¤-#,##0.00", "$ n", "$-n"},
        {"\u200F#,##0.00 ¤", "n $", "-n $"},
        {"#,##,##0.00¤¤", "n$", "-n$"},
    };
    for (const auto& c : cases) {
        const auto [positive, negative] = P::currencyLayouts(c.pattern);
        EXPECT_EQ(positive, c.positive) << c.pattern;
        EXPECT_EQ(negative, c.negative) << c.pattern;
    }
}

}  // namespace
}  // namespace tav
