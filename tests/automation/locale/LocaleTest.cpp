// Locale records: which names are taken, the platform's data for the locales it documents, one
// record per name shared by every thread, and each thread in its own locale.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "automation/conversions/Conversions.h"
#include "automation/format/Format.h"
#include "automation/locale/Locale.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"

namespace tav {
namespace {

TEST(LocaleNames, TakesBcp47NamesInTheirCanonicalSpelling) {
    const struct {
        const char* given;
        const char* name;
    } cases[] = {{"de-DE", "de-DE"}, {"DE-de", "de-DE"}, {"sv", "sv"}, {"sr-Latn-RS", "sr-Latn-RS"},
                 {"es-419", "es-419"}, {"zh-CN", "zh-CN"}};
    for (const auto& c : cases) EXPECT_EQ(Locale::named(c.given).name, c.name) << c.given;
    // en-US is the built-in record, whatever the spelling.
    EXPECT_EQ(&Locale::named("en-us"), &Locale::enUS());
}

TEST(LocaleNames, RefusesMalformedAndUnknownNamesAndChangesNothing) {
    const LocaleScope scope(Locale::named("fr-FR"));
    const std::string names[] = {"",
                                 std::string(10000, 'a'),
                                 "de-DE\xff",
                                 "\xc3\x28",
                                 "../../etc/passwd",
                                 "/usr/share/i18n/locales/de_DE",
                                 "de_DE",
                                 "de_DE.UTF-8",
                                 "de DE",
                                 "-de",
                                 "xx-YY",
                                 "de-XX",
                                 "de-US",  // a region the language has no data for
                                 "und",
                                 "root",
                                 "de-DE-u-nu-arab",
                                 std::string("de\0DE", 5)};
    for (const std::string& n : names) {
        try {
            Locale::named(n);
            ADD_FAILURE() << "taken: " << n.substr(0, 40);
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), err::InvalidProcedureCall);
            EXPECT_EQ(e.source(), "Locale");
            EXPECT_LT(e.description().size(), 120u) << "the message quotes a long name whole";
        }
    }
    EXPECT_EQ(Locale::current().name, "fr-FR");
}

TEST(LocaleNames, OneRecordPerNameForEveryThread) {
    const Locale* here = &Locale::named("de-CH");
    const Locale* there = nullptr;
    std::thread([&] { there = &Locale::named("de-ch"); }).join();
    EXPECT_EQ(here, there);
    EXPECT_NE(here->id, 0u);
    EXPECT_NE(here->id, Locale::named("de-DE").id);
}

// The platform's regional data for the locales it documents (conformance/locales/README.md):
// what the regional data gives with the platform's own data put over it.
struct PlatformData {
    const char* name;
    const char* decimal;
    const char* thousands;
    const char* currency;
    const char* positive;
    const char* negative;
    const char* shortDate;
    const char* longDate;
    const char* time;
    const char* am;
    Locale::DateOrder order;
    const char* marchAbbrev;
    const char* tuesdayAbbrev;
};

class LocaleData : public testing::TestWithParam<PlatformData> {};

TEST_P(LocaleData, IsThePlatformsData) {
    const PlatformData& d = GetParam();
    const Locale& loc = Locale::named(d.name);
    EXPECT_EQ(loc.decimalSeparator, d.decimal);
    EXPECT_EQ(loc.thousandsSeparator, d.thousands);
    EXPECT_EQ(loc.currencySymbol, d.currency);
    EXPECT_EQ(loc.currencyPositive, d.positive);
    EXPECT_EQ(loc.currencyNegative, d.negative);
    EXPECT_EQ(loc.shortDatePicture, d.shortDate);
    EXPECT_EQ(loc.longDatePicture, d.longDate);
    EXPECT_EQ(loc.timePicture, d.time);
    EXPECT_EQ(loc.amDesignator, d.am);
    EXPECT_EQ(loc.dateOrder, d.order);
    EXPECT_EQ(loc.monthAbbrevs[2], d.marchAbbrev);
    EXPECT_EQ(loc.dayAbbrevs[2], d.tuesdayAbbrev);
}

using O = Locale::DateOrder;
INSTANTIATE_TEST_SUITE_P(
    Documented, LocaleData,
    testing::Values(
        PlatformData{"en-US", ".", ",", "$", "$n", "($n)", "M/d/yyyy", "dddd, MMMM d, yyyy", "h:mm:ss tt",
                     "AM", O::MDY, "Mar", "Tue"},
        PlatformData{"de-DE", ",", ".", "€", "n $", "-n $", "dd.MM.yyyy", "dddd, d. MMMM yyyy",
                     "HH:mm:ss", "AM", O::DMY, "Mär", "Di"},
        PlatformData{"fr-FR", ",", "\u00A0", "€", "n $", "-n $", "dd/MM/yyyy", "dddd d MMMM yyyy",
                     "HH:mm:ss", "AM", O::DMY, "mars", "mar."},
        PlatformData{"en-GB", ".", ",", "£", "$n", "-$n", "dd/MM/yyyy", "dd MMMM yyyy", "HH:mm:ss", "AM",
                     O::DMY, "Mar", "Tue"},
        PlatformData{"ja-JP", ".", ",", "¥", "$n", "-$n", "yyyy/MM/dd",
                     "yyyy'年'M'月'd'日'", "H:mm:ss", "午前",
                     O::YMD, "3", "火"}),
    [](const testing::TestParamInfo<PlatformData>& param) {
        std::string n = param.param.name;
        n.erase(n.find('-'), 1);
        return n;
    });

// Threads at work in different locales at the same time each see their own, and a thread that
// sets none sees the process default (en-US for the tests).
TEST(ThreadLocale, EachThreadSeesItsOwn) {
    constexpr int Rounds = 2000;
    std::atomic<int> ready{0};
    std::atomic<int> wrong{0};
    const auto work = [&](const char* name, const char* number, const char* date) {
        if (name) Locale::setCurrent(Locale::named(name));
        ++ready;
        while (ready < 3) std::this_thread::yield();
        for (int i = 0; i < Rounds; ++i) {
            if (CStr(Variant::R8(1.5)) != number) ++wrong;
            if (Format(Variant::Date(36557), "Short Date").str() != date) ++wrong;
            if (CDbl(Variant(number)) != 1.5) ++wrong;
        }
    };
    std::thread de(work, "de-DE", "1,5", "01.02.2000");
    std::thread ja(work, "ja-JP", "1.5", "2000/02/01");
    std::thread plain(work, nullptr, "1.5", "2/1/2000");
    de.join();
    ja.join();
    plain.join();
    EXPECT_EQ(wrong, 0);
}

TEST(ThreadLocale, AScopeSetsAndRestores) {
    const Locale& before = Locale::current();
    {
        const LocaleScope scope(Locale::named("de-DE"));
        EXPECT_EQ(CStr(Variant::R8(0.5)), "0,5");
        EXPECT_EQ(withLocale(Locale::enUS(), [] { return CStr(Variant::R8(0.5)); }), "0.5");
        EXPECT_EQ(CStr(Variant::R8(0.5)), "0,5");
    }
    EXPECT_EQ(&Locale::current(), &before);
}

}  // namespace
}  // namespace tav
