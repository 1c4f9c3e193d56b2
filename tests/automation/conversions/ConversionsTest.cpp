// changeType and the C* functions beyond what the behaviour vectors cover (tests/data, with
// change-type.tsv for Currency and text of every shape): the targets Byte, Empty and the
// non-convertible ones, numeric Booleans, and the default-locale shortcuts agreeing with the
// full conversions.
#include "automation/conversions/Conversions.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>
#include <type_traits>

#include "automation/locale/Locale.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/SafeArray.h"
#include "automation/values/TypedLiteral.h"

using namespace tav;

namespace {

// The result of a conversion as a literal, or "Err:n".
std::string convert(std::string_view literal, VarType to, bool alphaBool = true) {
    try {
        return literal::print(changeType(literal::parse(literal), to, alphaBool));
    } catch (const AutomationError& e) {
        return "Err:" + std::to_string(e.number());
    }
}

struct Case {
    const char* input;
    VarType to;
    const char* expected;
};

class ChangeTypeTable : public testing::TestWithParam<Case> {};

TEST_P(ChangeTypeTable, GivesTheExpectedValue) {
    const Case& c = GetParam();
    EXPECT_EQ(convert(c.input, c.to), c.expected) << c.input << " to type " << toCode(c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Byte, ChangeTypeTable,
    testing::Values(Case{"I2:255", VarType::UI1, "UI1:255"}, Case{"I2:256", VarType::UI1, "Err:6"},
                    Case{"I4:-1", VarType::UI1, "Err:6"}, Case{"R8:-0.5", VarType::UI1, "UI1:0"},
                    Case{"R8:254.5", VarType::UI1, "UI1:254"},
                    Case{"R8:255.5", VarType::UI1, "Err:6"},
                    Case{"Bool:True", VarType::UI1, "UI1:255"},
                    Case{"Str:\"&HFF\"", VarType::UI1, "UI1:255"},
                    Case{"Str:\"&HFFFF\"", VarType::UI1, "Err:6"},
                    Case{"CY:2.5", VarType::UI1, "UI1:2"}));

INSTANTIATE_TEST_SUITE_P(
    NoConversion, ChangeTypeTable,
    testing::Values(Case{"I4:5", VarType::Empty, "Empty"}, Case{"Null", VarType::Empty, "Err:13"},
                    Case{"Null", VarType::Null, "Null"}, Case{"Empty", VarType::Null, "Err:13"},
                    Case{"I4:5", VarType::Error, "Err:13"},
                    Case{"Error:0x800A0007", VarType::Error, "Error:0x800A0007"},
                    Case{"Error:0x800A0007", VarType::Empty, "Err:13"},
                    Case{"I4:5", VarType::Object, "Err:13"}, Case{"Nothing", VarType::I4, "Err:13"},
                    Case{"Nothing", VarType::String, "Err:13"},
                    Case{"[I4:1]", VarType::I4, "Err:13"}, Case{"[I4:1]", VarType::Array, "[I4:1]"},
                    Case{"I4:5", VarType::Variant, "I4:5"}, Case{"Null", VarType::Variant, "Null"},
                    Case{"Str:\"x\"", static_cast<VarType>(99), "Err:458"}));

TEST(ChangeType, BooleansBecomeNumbersWithoutAlphaBool) {
    EXPECT_EQ(convert("Bool:True", VarType::String, false), "Str:\"-1\"");
    EXPECT_EQ(convert("Bool:False", VarType::String, false), "Str:\"0\"");
    EXPECT_EQ(convert("Bool:True", VarType::String, true), "Str:\"True\"");
}

TEST(ChangeType, StringsAreSharedNotCopied) {
    const Variant s("some text");
    const Variant t = changeType(s, VarType::String);
    EXPECT_EQ(s.str().data(), t.str().data());
}

TEST(ChangeType, NaNAndInfinityOverflowIntegersAndDates) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double d : {nan, inf, -inf}) {
        EXPECT_THROW(CLng(Variant::R8(d)), AutomationError);
        EXPECT_THROW(CDate(Variant::R8(d)), AutomationError);
        EXPECT_THROW(CCur(Variant::R8(d)), AutomationError);
    }
    EXPECT_TRUE(std::isnan(CSng(Variant::R8(nan))));
    EXPECT_EQ(CStr(Variant::R8(inf)), "1.#INF");
    EXPECT_EQ(CStr(Variant::R8(-inf)), "-1.#INF");
}

// The inline shortcuts for the default locale must give exactly what the full conversions give.
TEST(ConversionShortcuts, AgreeWithTheLocaleVersions) {
    const Locale& loc = Locale::current();
    for (const char* lit :
         {"Empty", "I2:-7", "I4:70000", "UI1:200", "R4:1.5", "R8:-2.5", "CY:12.5", "Date:1.5",
          "Bool:True", "Str:\"12\"", "Str:\"1/2/2000\"", "Str:\"abc\"", "Null"}) {
        const Variant v = literal::parse(lit);
        auto same = [&](auto shortcut, auto full) {
            std::string a, b;
            try {
                a = std::to_string(shortcut());
            } catch (const AutomationError& e) {
                a = "E" + std::to_string(e.number());
            }
            try {
                b = std::to_string(full());
            } catch (const AutomationError& e) {
                b = "E" + std::to_string(e.number());
            }
            EXPECT_EQ(a, b) << lit;
        };
        same([&] { return CDbl(v); }, [&] { return CDbl(v, loc); });
        same([&] { return CSng(v); }, [&] { return CSng(v, loc); });
        same([&] { return CLng(v); }, [&] { return CLng(v, loc); });
        same([&] { return CInt(v); }, [&] { return CInt(v, loc); });
        same([&] { return CByte(v); }, [&] { return CByte(v, loc); });
        same([&] { return CCur(v); }, [&] { return CCur(v, loc); });
        same([&] { return CBool(v); }, [&] { return CBool(v, loc); });
        same([&] { return CDate(v); }, [&] { return CDate(v, loc); });
        same([&] { return IsNumeric(v); }, [&] { return IsNumeric(v, loc); });
        same([&] { return IsDate(v); }, [&] { return IsDate(v, loc); });
    }
}

TEST(RoundToI4, HalfToEvenWithinTheLongRange) {
    const std::pair<double, int32_t> cases[] = {{0.5, 0},
                                                {1.5, 2},
                                                {-2.5, -2},
                                                {2147483647.4, 2147483647},
                                                {-2147483648.5, -2147483647 - 1},
                                                {-0.4, 0}};
    for (auto [d, expected] : cases) EXPECT_EQ(roundToI4(d), expected) << d;
    for (double d :
         {2147483647.5, -2147483648.6, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
        try {
            roundToI4(d);
            ADD_FAILURE() << d << " did not overflow";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), err::Overflow);
        }
    }
}

TEST(ParseNumber, IsNulloptForTextThatIsNoNumberOrOverflows) {
    EXPECT_EQ(parseNumber(" (1,234.5) "), -1234.5);
    EXPECT_EQ(parseNumber("&H7FFFFFFF"), 2147483647.0);
    EXPECT_FALSE(parseNumber("1E+400"));
    EXPECT_FALSE(parseNumber("1 2"));
    EXPECT_FALSE(parseNumber(""));
}

TEST(ParseNumber, ReadsLongDigitStringsCorrectlyRounded) {
    // 1 + 2^-53 lies exactly halfway between 1 and the next double: it ties to even (1), and
    // any nonzero digit after it, however far beyond the digits kept, rounds it up.
    const std::string halfway =
        "1." + std::string(15, '0') + "11102230246251565404236316680908203125";
    const double next = std::nextafter(1.0, 2.0);
    EXPECT_EQ(parseNumber(halfway), 1.0);
    EXPECT_EQ(parseNumber(halfway + std::string(900, '0') + "1"), next);
    EXPECT_EQ(parseNumber(halfway + std::string(900, '0')), 1.0);
    EXPECT_EQ(parseNumber(std::string(1000, '9') + "e-1000"), 1.0);
    EXPECT_FALSE(parseNumber(std::string(400, '9')));
}

// Text of every shape the reader takes (grouping, leading zeros, fractions, exponents, signs,
// parentheses, the currency symbol, blanks) against the correctly rounded reading of its bare
// digits, bit for bit: the shortcuts taken for short numbers must round as the long way does.
TEST(ParseNumber, EveryShapeRoundsAsItsBareDigits) {
    std::mt19937 rng(20261207);
    const auto digits = [&](int most) {
        std::string d;
        for (int n = std::uniform_int_distribution<int>(1, most)(rng); n > 0; --n) d += char('0' + rng() % 10);
        return d;
    };
    for (int round = 0; round < 100000; ++round) {
        const std::string whole = digits(rng() % 4 ? 9 : 25), fraction = rng() % 3 ? digits(rng() % 4 ? 9 : 25) : "";
        const std::string exponent = rng() % 4 ? "" : "e" + std::string(rng() % 2 ? "-" : "") + std::to_string(rng() % 40);
        std::string grouped;  // a separator before every third digit from the right
        for (size_t i = 0; i < whole.size(); ++i) {
            if (i > 0 && (whole.size() - i) % 3 == 0) grouped += ',';
            grouped += whole[i];
        }
        const std::string bare = whole + (fraction.empty() ? "" : "." + fraction) + exponent;
        double expected = 0;
        std::from_chars(bare.data(), bare.data() + bare.size(), expected);
        std::string text = (rng() % 2 ? grouped : whole) + (fraction.empty() ? "" : "." + fraction) + exponent;
        switch (rng() % 4) {
            case 0: text = "-" + text, expected = -expected; break;
            case 1: text = " ($" + text + ") ", expected = -expected; break;
            case 2: text = "\xC2\xA0" + text + "$"; break;
            default: break;
        }
        const auto read = parseNumber(text);
        ASSERT_TRUE(read) << text;
        ASSERT_EQ(std::bit_cast<uint64_t>(*read), std::bit_cast<uint64_t>(expected == 0 ? 0.0 : expected)) << text;
    }
}

// Number text of up to 19 bytes is read without a check per digit; leading zeros that spell the
// same number longer send it the general way. Every target reads both alike, in locales with
// one-byte separators either way round and with a no-break space.
TEST(ParseNumber, ShortTextsReadAsTheirLongerSpellings) {
    const auto outcome = [](auto convert) {
        try {
            const auto v = convert();
            if constexpr (std::is_floating_point_v<decltype(v)>)
                return std::to_string(std::bit_cast<uint64_t>(double(v)));
            return std::to_string(v);
        } catch (const AutomationError& e) {
            return "E" + std::to_string(e.number());
        }
    };
    for (const char* name : {"en-US", "de-DE", "fr-FR"}) {
        const LocaleScope scope(Locale::named(name));
        const std::string dec = Locale::current().decimalSeparator,
                          th = Locale::current().thousandsSeparator;
        for (const std::string& text : std::initializer_list<std::string>{
                 "0", "7", "0" + dec + "05", "1" + th + "234" + dec + "5",
                 "0" + th + "001" + dec + "25", "12" + dec + "5" + th + "25", "999999999999999999",
                 "1234567890123456789", "12345678901234567" + dec + "5",
                 "922337203685477" + dec + "58075", "1e5", "25" + dec + "5e-3"}) {
            const Variant shortText(text), longText(std::string(20, '0') + text);
            SCOPED_TRACE(name + (": " + text));
            EXPECT_EQ(outcome([&] { return CDbl(shortText); }),
                      outcome([&] { return CDbl(longText); }));
            EXPECT_EQ(outcome([&] { return CSng(shortText); }),
                      outcome([&] { return CSng(longText); }));
            EXPECT_EQ(outcome([&] { return CCur(shortText); }),
                      outcome([&] { return CCur(longText); }));
            EXPECT_EQ(outcome([&] { return CLng(shortText); }),
                      outcome([&] { return CLng(longText); }));
            EXPECT_TRUE(IsNumeric(shortText));
        }
    }
}

}  // namespace
