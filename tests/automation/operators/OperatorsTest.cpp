// Behaviour of the Variant operators that the conformance vectors leave open: floating overflow,
// integer overflow of Sub, IDiv and Mod, division by Empty, error values, Currency products,
// Null on the right of And/Or, NaN and precision rules of Cmp, and the case-blind comparison.
// Cases are written in the typed-literal form of the vectors and run the same way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/operators/Operators.h"
#include "automation/values/SafeArray.h"
#include "automation/values/TypedLiteral.h"
#include "automation/vectors/VectorOps.h"

namespace {

using namespace tav;

struct OpCase {
    const char* op;
    std::vector<const char*> args;
    const char* expected;
};

void expectAll(const std::vector<OpCase>& cases) {
    for (const auto& c : cases) {
        std::vector<Variant> values;
        for (const char* a : c.args) values.push_back(literal::parse(a));
        const std::string got = vectors::run(c.op, values);
        std::string line = c.op;
        for (const char* a : c.args) line += std::string(" ") + a;
        EXPECT_TRUE(vectors::sameResult(c.expected, got))
            << line << " => " << c.expected << ", got " << got;
    }
}

TEST(Operators, FloatingResultsNeverBecomeInfinite) {
    expectAll({
        {"Add", {"R8:1e308", "R8:1e308"}, "Err:6"},
        {"Sub", {"R8:-1e308", "R8:1e308"}, "Err:6"},
        {"Mul", {"R8:1e200", "R8:1e200"}, "Err:6"},
        {"Div", {"R8:1e308", "R8:1e-10"}, "Err:6"},
        {"Add", {"R8:0x7FF0000000000000", "I4:1"}, "Err:6"},
        {"Neg", {"R8:0xFFF8000000000000"}, "Err:6"},
        {"Add", {"Date:1e308", "Date:1e308"}, "Err:6"},
        // Singles widen to Double instead.
        {"Mul", {"R4:3e38", "I2:10"}, "R8:3.000000005497756e+39"},
        {"Div", {"R4:3e38", "R4:0.5"}, "R8:6.0000000109955115e+38"},
        {"Sub", {"R4:-3e38", "R4:3e38"}, "R8:-6.0000000109955115e+38"},
    });
}

TEST(Operators, IntegerOverflowWidensOrFails) {
    expectAll({
        {"Sub", {"I2:-32768", "I2:1"}, "I4:-32769"},
        {"Sub", {"I4:-2147483648", "I4:1"}, "R8:-2147483649"},
        {"Sub", {"UI1:0", "UI1:1"}, "I2:-1"},
        {"Neg", {"I2:-32768"}, "I4:32768"},
        // \ never gives a floating result: past I4 it is an overflow.
        {"IDiv", {"I2:-32768", "I2:-1"}, "I4:32768"},
        {"IDiv", {"I4:-2147483648", "I4:-1"}, "Err:6"},
        {"Mod", {"I4:-2147483648", "I4:-1"}, "I4:0"},
        {"IDiv", {"Empty", "UI1:5"}, "UI1:0"},
        {"Mod", {"Empty", "UI1:5"}, "I4:0"},
    });
}

TEST(Operators, DivisionByEmptyIsDivisionByZero) {
    expectAll({
        {"Div", {"I4:1", "Empty"}, "Err:11"},
        {"Div", {"Empty", "Empty"}, "Err:6"},
        {"IDiv", {"I4:1", "Empty"}, "Err:11"},
        {"IDiv", {"Empty", "Empty"}, "Err:11"},
        {"Div", {"Null", "Empty"}, "Null"},
    });
}

TEST(Operators, ErrorValuesObjectsAndArraysAreTypeMismatches) {
    expectAll({
        {"Add", {"Error:0x800A07D7", "I4:1"}, "Err:13"},
        {"Add", {"Null", "Error:0x800A07D7"}, "Err:13"},
        {"Mul", {"I4:1", "Error:0x80020004"}, "Err:13"},
        {"Div", {"Error:0x800A07D7", "I4:1"}, "Err:13"},
        {"Pow", {"Error:0x800A07D7", "I4:1"}, "Err:13"},
        {"IDiv", {"Error:0x800A07D7", "I4:1"}, "Err:13"},
        {"And", {"Error:0x800A07D7", "Null"}, "Err:13"},
        {"Or", {"Bool:True", "Error:0x800A07D7"}, "Err:13"},
        {"Add", {"Nothing", "I4:1"}, "Err:13"},
        {"Cat", {"Str:\"a\"", "Nothing"}, "Err:13"},
        {"Add", {"[I4:1, I4:2]", "I4:1"}, "Err:13"},
        {"Not", {"[I4:1]"}, "Err:13"},
        {"Cmp", {"Nothing", "Nothing"}, "Err:13"},
        {"Cmp", {"[I4:1]", "Null"}, "Err:13"},
    });
}

TEST(Operators, CurrencyStaysExactAndRoundsProductsHalfToEven) {
    expectAll({
        {"Mul", {"CY:1.5", "CY:1.5"}, "CY:2.25"},
        {"Mul", {"CY:0.0001", "CY:0.5"}, "CY:0"},
        {"Mul", {"CY:0.0003", "CY:0.5"}, "CY:0.0002"},
        {"Mul", {"CY:-0.0003", "CY:0.5"}, "CY:-0.0002"},
        {"Mul", {"CY:2", "R8:0.25"}, "CY:0.5"},
        {"Mul", {"CY:922337203685477", "CY:922337203685477"}, "Err:6"},
        {"Sub", {"CY:-922337203685477.5808", "CY:0.0001"}, "Err:6"},
        {"Neg", {"CY:-922337203685477.5808"}, "Err:6"},
        {"Sub", {"CY:0.3", "R8:0.1"}, "CY:0.2"},
        {"Div", {"CY:1", "CY:4"}, "R8:0.25"},
    });
}

TEST(Operators, TextJoiningKeepsBytesAndTypes) {
    expectAll({
        {"Add", {"Str:\"\"", "Str:\"\""}, "Str:\"\""},
        {"Add", {"Str:\"a\\tb\"", "Empty"}, "Str:\"a\\tb\""},
        {"Add", {"Str:\"x\"", "Str:\"\\x01\""}, "Str:\"x\\x01\""},
        {"Sub", {"Str:\"a\"", "Empty"}, "Err:13"},
        {"Cat", {"Str:\"ä\"", "R8:1.5"}, "Str:\"ä1.5\""},
        {"Cat", {"Empty", "Null"}, "Str:\"\""},
        {"Cat", {"CY:-5", "Bool:False"}, "Str:\"-5False\""},
    });
}

TEST(Operators, PowWithoutARealResult) {
    expectAll({
        {"Pow", {"I4:-8", "R8:0.5"}, "Err:5"},
        {"Pow", {"I4:0", "I4:-1"}, "Err:11"},
        {"Pow", {"I4:10", "I4:400"}, "Err:6"},
        {"Pow", {"Str:\"x\"", "I4:1"}, "Err:13"},
        {"Pow", {"R4:2", "R4:0.5"}, "R8:1.4142135623730951"},
    });
}

TEST(Operators, LogicWithNullOnEitherSide) {
    expectAll({
        {"And", {"I4:5", "Null"}, "Null"},
        {"And", {"I4:0", "Null"}, "I4:0"},
        {"Or", {"I4:0", "Null"}, "Null"},
        {"Or", {"I4:5", "Null"}, "I4:5"},
        {"And", {"Bool:False", "Null"}, "Bool:False"},
        {"Or", {"Bool:True", "Null"}, "Bool:True"},
        {"And", {"Empty", "Null"}, "I2:0"},
        // Fractions and dates are rounded before Null logic looks at them.
        {"And", {"Null", "R8:0.4"}, "I4:0"},
        {"Or", {"Null", "R8:2.6"}, "I4:3"},
        {"And", {"Null", "Date:0.2"}, "I4:0"},
        {"Or", {"Null", "R8:0.4"}, "Null"},
        {"Not", {"UI1:255"}, "UI1:0"},
        {"Not", {"I2:-1"}, "I2:0"},
    });
}

TEST(Operators, LogicWithStrings) {
    expectAll({
        {"And", {"Str:\"True\"", "I4:1"}, "I4:1"},
        {"And", {"Str:\"2.5\"", "I2:7"}, "I2:2"},
        {"And", {"Str:\"100000\"", "I2:-1"}, "I4:100000"},
        {"And", {"Str:\"300\"", "UI1:1"}, "I4:0"},
        {"And", {"UI1:12", "Empty"}, "UI1:0"},
        {"Or", {"Empty", "UI1:3"}, "UI1:3"},
        {"Or", {"Str:\"300\"", "UI1:1"}, "I2:-1"},
        {"Or", {"Str:\"\"", "I4:1"}, "Err:13"},
        {"And", {"Str:\"12\"", "Str:\"x\""}, "Err:13"},
    });
}

TEST(Operators, ComparisonOfSpecialNumbers) {
    expectAll({
        {"Cmp", {"Error:0x800A0001", "Error:0x800A0002"}, "LT"},
        {"Cmp", {"R8:0xFFF8000000000000", "R8:1"}, "GT"},
        {"Cmp", {"R8:1", "R8:0xFFF8000000000000"}, "LT"},
        {"Cmp", {"R8:0xFFF8000000000000", "R8:0x7FF0000000000000"}, "GT"},
        {"Cmp", {"R8:0xFFF8000000000000", "R8:0xFFF8000000000000"}, "EQ"},
        {"Cmp", {"I4:1", "R8:0xFFF8000000000000"}, "LT"},
        // A Double or Single meets Currency as Currency, a Double meets a Single as Single.
        {"Cmp", {"CY:0.0001", "R8:0.00011"}, "EQ"},
        {"Cmp", {"R8:0.00016", "CY:0.0001"}, "GT"},
        {"Cmp", {"CY:1", "R8:1e300"}, "LT"},
        {"Cmp", {"Date:0.1", "R4:0.1"}, "EQ"},
        {"Cmp", {"R4:3e38", "R8:1e300"}, "LT"},
        // Integers against a Single compare exactly.
        {"Cmp", {"R4:16777216", "I4:16777217"}, "LT"},
        {"Cmp", {"CY:1", "I4:1"}, "EQ"},
        {"Cmp", {"Bool:True", "CY:-1"}, "EQ"},
        {"Cmp", {"UI1:0", "Empty"}, "EQ"},
    });
}

TEST(Operators, CaseBlindComparison) {
    struct Case {
        const char* a;
        const char* b;
        Comparison expected;
    };
    const Case cases[] = {
        {"a", "A", Comparison::EQ},        {"Straße", "STRAßE", Comparison::EQ},
        {"é", "É", Comparison::EQ},        {"a", "B", Comparison::LT},
        {"B", "a", Comparison::GT},        {"a", "á", Comparison::LT},
        {"coop", "CO-OP", Comparison::LT}, {"abc", "ABD", Comparison::LT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cmp(Variant(c.a), Variant(c.b), CompareFlags::IgnoreCase), c.expected)
            << c.a << " vs " << c.b;
    EXPECT_EQ(Cmp(Variant("a"), Variant("A")), Comparison::LT);
    EXPECT_EQ(Cmp(Variant("a"), Variant::Null(), CompareFlags::IgnoreCase), Comparison::Null);
    EXPECT_EQ(Cmp(Variant::I4(1), Variant("A"), Locale::enUS(), CompareFlags::IgnoreCase),
              Comparison::LT);
}

}  // namespace
