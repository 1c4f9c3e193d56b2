// The typed-literal text: canonical printing, exact round trips, refusal of malformed text.
#include "automation/values/TypedLiteral.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

#include "automation/values/AutomationError.h"
#include "automation/values/SafeArray.h"

using namespace tav;

namespace {

TEST(TypedLiteral, PrintsEveryTypeCanonically) {
    const std::pair<const char*, const char*> cases[] = {
        {"Empty", "Empty"},
        {"Null", "Null"},
        {"Nothing", "Nothing"},
        {"I2:+7", "I2:7"},
        {"I2:-32768", "I2:-32768"},
        {"I4:2147483647", "I4:2147483647"},
        {"UI1:255", "UI1:255"},
        {"R8:2.5e3", "R8:2500"},
        {"R8:1e5", "R8:100000"},
        {"R8:0.10000000000000001", "R8:0.1"},
        {"R8:1e-4", "R8:0.0001"},
        {"R8:-6", "R8:-6"},
        {"R8:0.00001", "R8:1e-05"},
        {"R8:15000000000000000", "R8:1.5e+16"},
        {"R8:1e300", "R8:1e+300"},
        {"R8:-0", "R8:-0"},
        {"R8:0x7FF0000000000000", "R8:0x7FF0000000000000"},
        {"R8:0xFFF8000000000000", "R8:0xFFF8000000000000"},
        {"R4:0.1", "R4:0.1"},
        {"R4:16777217", "R4:16777216"},
        {"R4:3.4028235e38", "R4:3.4028235e+38"},
        {"CY:1.5000", "CY:1.5"},
        {"CY:-0.0001", "CY:-0.0001"},
        {"CY:-922337203685477.5808", "CY:-922337203685477.5808"},
        {"Date:36526.5", "Date:36526.5"},
        {"Bool:True", "Bool:True"},
        {"Bool:False", "Bool:False"},
        {"Error:0x800a000d", "Error:0x800A000D"},
        {R"(Str:"a\tb\r\n\"\\")", R"(Str:"a\tb\r\n\"\\")"},
        {R"(Str:"\x01\x7f\u00e9")", "Str:\"\\x01\\x7F\xC3\xA9\""},
        {"[I4:1, Str:\"x\"]", "[I4:1, Str:\"x\"]"},
        {"[[I2:1, I2:2], [I2:3, I2:4]]", "[[I2:1, I2:2], [I2:3, I2:4]]"},
        {"[]", "[]"},
        {"Unallocated", "Unallocated"},
    };
    for (auto [text, canonical] : cases) {
        const Variant v = literal::parse(text);
        EXPECT_EQ(literal::print(v), canonical) << text;
        EXPECT_EQ(literal::print(literal::parse(canonical)), canonical) << canonical;
    }
}

TEST(TypedLiteral, DoublesAndSinglesRoundTripExactly) {
    std::mt19937_64 bits(20240229);
    for (int i = 0; i < 2000; ++i) {
        const double d = std::bit_cast<double>(bits());
        const Variant back = literal::parse(literal::print(Variant::R8(d)));
        ASSERT_EQ(std::bit_cast<uint64_t>(back.r8()), std::bit_cast<uint64_t>(d))
            << literal::print(Variant::R8(d));
        const float f = std::bit_cast<float>(static_cast<uint32_t>(bits()));
        if (std::isnan(f)) continue;
        const Variant backF = literal::parse(literal::print(Variant::R4(f)));
        ASSERT_EQ(std::bit_cast<uint32_t>(backF.r4()), std::bit_cast<uint32_t>(f))
            << literal::print(Variant::R4(f));
    }
    for (double d : {std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(),
                     std::numeric_limits<double>::min(), -0.0})
        EXPECT_EQ(std::bit_cast<uint64_t>(literal::parse(literal::print(Variant::Date(d))).date()),
                  std::bit_cast<uint64_t>(d));
}

TEST(TypedLiteral, RefusesMalformedLiterals) {
    for (const char* text : {"",
                             "I4",
                             "I4:",
                             "I4:1.5",
                             "I4:12x",
                             "I2:32768",
                             "UI1:-1",
                             "R8:",
                             "R8:1e",
                             "R8:abc",
                             "R8:0x7FF",
                             "CY:1.23456",
                             "CY:1.",
                             "CY:922337203685477.5808",
                             "Bool:true",
                             "Bool:1",
                             "Error:13",
                             "Error:0xZZ",
                             "Str:abc",
                             "Str:\"abc",
                             "Str:\"\\q\"",
                             "Str:\"\\x1\"",
                             "Str:\"\\u12\"",
                             "Foo:1",
                             "[I4:1",
                             "[I4:1 I4:2]",
                             "[[I4:1], [I4:1, I4:2]]",
                             "I4:1 I4:2",
                             "Emptyish",
                             "I4:99999999999",
                             "I4:-",
                             "R8:+",
                             "R8:0xZZZZZZZZZZZZZZZZ",
                             "R4:",
                             "R4:1.5x",
                             "R4:0xZZZZZZZZ",
                             "CY:-",
                             "CY:.5",
                             "CY:1.2a",
                             "CY:a.5",
                             "CY:-922337203685477.5809",
                             "Error:0x",
                             "Error:0x1G",
                             "Str:\"\\",
                             "Str:\"\\u\"",
                             "Str:\"\\xG0\"",
                             "[",
                             "[1:I4:1",
                             // Beyond the type's range: no infinity from decimal text.
                             "R8:1e400",
                             "R8:-1e400",
                             "Date:1e309",
                             "R4:1e39",
                             "R4:-3.5e38"}) {
        EXPECT_THROW(literal::parse(text), AutomationError) << text;
    }
    try {
        literal::parse("R8:1e400");
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.description(), "number out of range: R8:1e400");
    }
    // Too small to tell from zero is no error: it rounds, as any decimal does.
    EXPECT_EQ(literal::print(literal::parse("R8:1e-400")), "R8:0");
    EXPECT_THROW(literal::parse(std::string(1000, '[')), AutomationError);  // nesting, not the stack
}

}  // namespace
