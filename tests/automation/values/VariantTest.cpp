#include "automation/values/Variant.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/SafeArray.h"
#include "automation/values/TypedLiteral.h"
#include "support/ErrorOf.h"

using namespace tav;

namespace {

struct Counted : Object {
    std::string_view typeName() const override { return "Counted"; }
};

TEST(Variant, StringsAndArraysCopyAsValuesObjectsAsReferences) {
    Variant s("hello");
    Variant t = s;
    t = Variant("other");
    EXPECT_EQ(s.str(), "hello");

    Variant a = literal::parse("[I4:1, I4:2]");
    Variant b = a;
    b.array().at({0}) = Variant::I4(9);
    EXPECT_EQ(literal::print(a), "[I4:1, I4:2]");

    Ref<Counted> obj = makeRef<Counted>();
    {
        Variant o(obj);
        Variant p = o;
        EXPECT_EQ(p.object(), obj.get());
        EXPECT_EQ(obj->refCount(), 3u);
    }
    EXPECT_EQ(obj->refCount(), 1u);
}

// Short strings reuse the blocks of released ones, per thread: every length on either side of
// the reused size keeps its text, also while strings made on one thread are released on another.
TEST(Variant, StringsOfEveryLengthKeepTheirText) {
    const auto churn = [](std::vector<Variant>& kept) {
        for (size_t length = 0; length < 80; ++length) {
            const std::string text(length, static_cast<char>('a' + length % 26));
            Variant first(text), second(text);
            kept.push_back(second);
            EXPECT_EQ(first.str(), text);
        }
    };
    std::vector<Variant> mine, theirs;
    churn(mine);
    std::thread([&] {
        churn(theirs);
        mine.clear();  // released here, made on the other thread
    }).join();
    for (size_t length = 0; length < theirs.size(); ++length)
        EXPECT_EQ(theirs[length].str(), std::string(length, static_cast<char>('a' + length % 26)));
}

TEST(Variant, NothingIsAnObjectNotEmpty) {
    Variant n = Variant::Nothing();
    EXPECT_TRUE(n.isObject());
    EXPECT_TRUE(n.isNothing());
    EXPECT_FALSE(n.isEmpty());
    EXPECT_EQ(literal::print(n), "Nothing");
}

TEST(Variant, MovedFromIsEmptyAndSelfAssignmentIsSafe) {
    Variant s("text");
    Variant t(std::move(s));
    EXPECT_TRUE(s.isEmpty());  // NOLINT(bugprone-use-after-move)
    // Through a reference, as a container's shuffles do it.
    const Variant& sameT = t;
    t = sameT;
    EXPECT_EQ(t.str(), "text");
    Variant arr = literal::parse("[[I2:1, I2:2], [I2:3, I2:4]]");
    const Variant& sameArr = arr;
    arr = sameArr;
    EXPECT_EQ(literal::print(arr), "[[I2:1, I2:2], [I2:3, I2:4]]");
}

using testing_support::errorOf;

TEST(SafeArray, UnallocatedDiffersFromEmptyAndBoundsAreChecked) {
    SafeArray none = SafeArray::unallocated();
    EXPECT_EQ(errorOf([&] { (void)none.lbound(); }), err::SubscriptOutOfRange);
    SafeArray empty = SafeArray::vector({});
    EXPECT_EQ(empty.lbound(), 0);
    EXPECT_EQ(empty.ubound(), -1);

    SafeArray grid({{1, 2}, {0, 3}});  // rows 1..2, columns 0..2
    grid.at({2, 2}) = Variant("last");
    EXPECT_EQ(grid.at({2, 2}).str(), "last");
    EXPECT_EQ(errorOf([&] { (void)grid.at({0, 0}); }), err::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { (void)grid.at({1}); }), err::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { (void)grid.ubound(3); }), err::SubscriptOutOfRange);
    EXPECT_EQ(literal::print(Variant(grid)), "[1: [Empty, Empty, Empty], [Empty, Empty, Str:\"last\"]]");
}

TEST(SafeArray, RedimPreserveKeepsLeadingElements) {
    SafeArray a = SafeArray::vector({Variant::I4(1), Variant::I4(2)}, 1);
    a.redimPreserve(3);
    EXPECT_EQ(literal::print(Variant(a)), "[1: I4:1, I4:2, Empty]");
    a.redimPreserve(1);
    EXPECT_EQ(literal::print(Variant(a)), "[1: I4:1]");
}

}  // namespace

namespace {

TEST(TypedLiteralArrays, PrintedArraysReadBackWithTheirBounds) {
    for (const char* text : {"[1: I4:1, I4:2]", "[-3: Str:\"a\"]", "[1: [I2:1, I2:2], [I2:3, I2:4]]",
                             "[[Empty, Null]]", "[]", "Unallocated", "[5: ]"}) {
        const std::string once = literal::print(literal::parse(text));
        EXPECT_EQ(literal::print(literal::parse(once)), once) << text;
    }
    EXPECT_EQ(literal::parse("[2: I4:7]").array().lbound(), 2);
    EXPECT_EQ(literal::parse("[1: [I4:1], [I4:2]]").array().ubound(1), 2);
}

}  // namespace
