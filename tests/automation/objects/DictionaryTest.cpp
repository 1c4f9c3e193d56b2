// Dictionary: key identity by kind and value, insertion order, and its error numbers.
#include <gtest/gtest.h>

#include "automation/objects/Dictionary.h"
#include "automation/objects/Invoke.h"
#include "automation/values/TypedLiteral.h"
#include "automation/objects/VariantEnumerator.h"
#include "support/ErrorOf.h"

namespace tav {
namespace {

using testing_support::errorOf;

TEST(Dictionary, KeysCompareByKindAndValue) {
    struct Case {
        const char* first;
        const char* second;
        bool sameKey;
    };
    const Case cases[] = {
        {"I2:1", "I4:1", true},          {"I4:1", "R8:1", true},          {"UI1:3", "R4:3", true},
        {"R8:1.5", "R8:1.5", true},      {"Bool:True", "I2:-1", true},    {"CY:2", "I4:2", true},
        {"I4:1", "Str:\"1\"", false},    {"Str:\"a\"", "Str:\"A\"", false}, {"Empty", "Str:\"\"", false},
        {"Empty", "I4:0", false},        {"Null", "Empty", false},        {"Null", "Null", true},
        {"Error:0x800A0005", "I4:5", false}, {"R8:0", "R8:-0", true},
    };
    for (const Case& c : cases) {
        Ref<Dictionary> d = makeRef<Dictionary>();
        d->Add(literal::parse(c.first), Variant("x"));
        EXPECT_EQ(d->Exists(literal::parse(c.second)), c.sameKey) << c.first << " vs " << c.second;
        EXPECT_EQ(errorOf([&] { d->Add(literal::parse(c.second), Variant()); }), c.sameKey ? err::KeyAlreadyExists : 0)
            << c.first << " vs " << c.second;
    }
}

TEST(Dictionary, KeepsInsertionOrderAndReportsErrors) {
    Ref<Dictionary> d = makeRef<Dictionary>();
    d->Add(Variant("b"), Variant::I4(1));
    d->Add(Variant::I4(2), Variant::I4(2));
    d->LetItem(Variant("a"), Variant::I4(3));  // let adds
    d->LetItem(Variant("b"), Variant::I4(4));  // let replaces in place
    EXPECT_EQ(literal::print(Variant(d->Keys())), "[Str:\"b\", I4:2, Str:\"a\"]");
    EXPECT_EQ(literal::print(Variant(d->Items())), "[I4:4, I4:2, I4:3]");
    d->Remove(Variant::R8(2));
    EXPECT_EQ(literal::print(Variant(d->Keys())), "[Str:\"b\", Str:\"a\"]");
    EXPECT_EQ(d->Item(Variant("a")).i4(), 3);  // positions moved, lookups still right
    EXPECT_EQ(errorOf([&] { d->Remove(Variant("zz")); }), err::ElementNotFound);
    EXPECT_EQ(errorOf([&] { d->Add(Variant(SafeArray::vector({})), Variant()); }), err::TypeMismatch);
    EXPECT_TRUE(d->Item(Variant("new")).isEmpty());  // reading an absent key adds it
    EXPECT_EQ(d->Count(), 3);
    d->RemoveAll();
    EXPECT_EQ(literal::print(Variant(d->Keys())), "[]");
}

TEST(Dictionary, ObjectKeysAreIdentities) {
    Ref<Dictionary> d = makeRef<Dictionary>();
    Ref<Dictionary> k1 = makeRef<Dictionary>(), k2 = makeRef<Dictionary>();
    d->Add(Variant(k1), Variant::I4(1));
    EXPECT_TRUE(d->Exists(Variant(k1)));
    EXPECT_FALSE(d->Exists(Variant(k2)));
}

TEST(Dictionary, CallableByNameWithItsDefaultMember) {
    Ref<Dictionary> d = makeRef<Dictionary>();
    std::vector<Variant> add{Variant("k"), Variant::I2(5)};
    invoke(*d, "add", InvokeKind::Method, add);
    std::vector<Variant> key{Variant("k")};
    EXPECT_EQ(literal::print(invoke(*d, DispIdValue, InvokeKind::PropertyGet, key)), "I2:5");
    EXPECT_EQ(invoke(*d, "Count", InvokeKind::PropertyGet).i4(), 1);
    EXPECT_EQ(errorOf([&] { invoke(*d, "Add", InvokeKind::Method, add); }), err::KeyAlreadyExists);
    Ref<Object> e = invoke(*d, DispIdNewEnum, InvokeKind::PropertyGet).object();
    auto* en = dynamic_cast<VariantEnumerator*>(e.get());
    ASSERT_NE(en, nullptr);
    Variant v;
    ASSERT_TRUE(en->next(v));
    EXPECT_EQ(v.str(), "k");
    EXPECT_FALSE(en->next(v));
}

}  // namespace
}  // namespace tav
