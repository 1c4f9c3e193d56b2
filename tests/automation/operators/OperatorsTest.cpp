// The case-blind comparison (VB's text comparison), which the behaviour vectors cannot ask
// for; the other operator cases beyond the reference vectors are lines of
// tests/data/library-choices.tsv.
#include <gtest/gtest.h>

#include "automation/operators/Operators.h"

namespace {

using namespace tav;

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
