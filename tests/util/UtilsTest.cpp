#include "util/Utils.h"

#include <gtest/gtest.h>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/SafeArray.h"
#include "automation/values/TypedLiteral.h"

using namespace tav;
using Utils::ValuesDiffer;

namespace {

Variant lit(std::string_view text) { return literal::parse(text); }

struct DifferCase {
    const char* a;
    const char* b;
    bool differ;
};

TEST(ValuesDiffer, FollowsItsRulesInOrder) {
    const DifferCase cases[] = {
        {"R8:1", "R8:1.000001", false},      // within the relative tolerance
        {"R8:1", "R8:1.0001", true},
        {"I4:0", "R8:1e-07", true},          // zero has a sign of its own
        {"R8:0", "R8:1e-300", true},
        {"R8:-2", "R8:2", true},
        {"Str:\"abc\"", "Str:\"ABC\"", true},  // text compares exactly
        {"Str:\"5\"", "I4:5", false},          // numeric text is a number
        {"Empty", "Str:\"\"", true},
        {"Empty", "I4:0", true},
        {"Empty", "Empty", false},
        {"Null", "Null", false},
        {"Null", "Empty", true},
        {"I2:7", "I4:7", false},
        {"I4:100000", "I4:100001", true},  // integers compare exactly
        {"Bool:True", "I4:-1", false},
        {"Date:36526", "Str:\"1/1/2000\"", false},
        {"Date:36526", "Date:36526.000001", true},  // dates compare exactly
        {"R8:100000", "R8:100000.5", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValuesDiffer(lit(c.a), lit(c.b)), c.differ) << c.a << " vs " << c.b;
}

struct Dummy : Object {};

TEST(ValuesDiffer, ObjectsCompareByIdentity) {
    Ref<Dummy> x = makeRef<Dummy>(), y = makeRef<Dummy>();
    EXPECT_FALSE(ValuesDiffer(Variant(x), Variant(x)));
    EXPECT_TRUE(ValuesDiffer(Variant(x), Variant(y)));
    EXPECT_TRUE(ValuesDiffer(Variant(x), Variant::I4(1)));
    EXPECT_FALSE(ValuesDiffer(Variant::Nothing(), Variant::Nothing()));
}

TEST(ValuesDiffer, RaisesWhatConversionRaises) {
    try {
        ValuesDiffer(Variant::Error(0x800A0005), Variant("x"));
        FAIL();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::TypeMismatch);
    }
}

TEST(ArrayHasContent, EmptyUnallocatedAndNonArrays) {
    EXPECT_FALSE(Utils::ArrayHasContent(lit("[]")));
    EXPECT_FALSE(Utils::ArrayHasContent(lit("Unallocated")));
    EXPECT_TRUE(Utils::ArrayHasContent(lit("[I4:1]")));
    try {
        Utils::ArrayHasContent(Variant("abc"));
        FAIL();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::InvalidProcedureCall);
        EXPECT_EQ(e.source(), "TAV.Utils");
        EXPECT_EQ(e.description(), "Invalid (non-array) parameter passed to ArrayHasContent.");
    }
}

TEST(CNum, WholeNumbersBecomeLongsOthersDoublesOrUnchanged) {
    const std::pair<const char*, const char*> cases[] = {
        {"Str:\"1e3\"", "I4:1000"},   {"Str:\"12\"", "I4:12"},     {"Str:\"2.5\"", "R8:2.5"},
        {"R8:3", "I4:3"},             {"Str:\"abc\"", "Str:\"abc\""}, {"R8:3000000000", "R8:3000000000"},
        {"Null", "Null"},             {"Empty", "I4:0"},           {"Bool:True", "I4:-1"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(literal::print(Utils::CNum(lit(in))), out) << in;
}

TEST(ReverseArray, SwapsAroundTheMiddleAndKeepsReferences) {
    Variant a = lit("[1: I4:1, I4:2, I4:3]");
    Utils::ReverseArray(a);
    EXPECT_EQ(literal::print(a), "[1: I4:3, I4:2, I4:1]");
    Variant one = lit("[Str:\"x\"]");
    Utils::ReverseArray(one);
    EXPECT_EQ(literal::print(one), "[Str:\"x\"]");

    Ref<Dummy> obj = makeRef<Dummy>();
    Variant refs(SafeArray::vector({Variant(obj), Variant::I4(0)}));
    Utils::ReverseArray(refs);
    EXPECT_EQ(refs.array().at({1}).object(), obj.get());
}

TEST(ReverseArray, MoreThan32767ElementsOverflows) {
    Variant big(SafeArray({{0, 32768}}));
    try {
        Utils::ReverseArray(big);
        FAIL();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}

TEST(FloorLong, RoundsDown) {
    EXPECT_EQ(Utils::FloorLong(2.5), 2);
    EXPECT_EQ(Utils::FloorLong(-2.5), -3);
    EXPECT_EQ(Utils::FloorLong(-3.0), -3);
    EXPECT_THROW(Utils::FloorLong(3e9), AutomationError);
}

}  // namespace
