// Collection: 1-based positions that close up, case-insensitive keys, and its error numbers.
#include <gtest/gtest.h>

#include <functional>

#include "automation/objects/Collection.h"
#include "automation/objects/Invoke.h"
#include "automation/values/TypedLiteral.h"
#include "automation/objects/VariantEnumerator.h"
#include "support/ErrorOf.h"

namespace tav {
namespace {

using testing_support::errorOf;

std::string contents(const Collection& c) {
    std::string out;
    for (int32_t i = 1; i <= c.Count(); ++i) out += std::string(c.Item(Variant::I4(i)).str());
    return out;
}

TEST(Collection, PositionsAndKeys) {
    Ref<Collection> c = makeRef<Collection>();
    c->add(Variant("A"), "Charge");
    c->add(Variant("B"), "mass");
    c->add(Variant("C"));
    EXPECT_EQ(c->Item(Variant("CHARGE")).str(), "A");
    c->Remove(Variant::I4(1));
    EXPECT_EQ(c->Item(Variant::I2(2)).str(), "C");  // positions closed up
    EXPECT_EQ(c->Item(Variant("Mass")).str(), "B");  // keys still right
    c->Add(Variant("D"), missingArg(), Variant("MASS"), missingArg());
    c->Add(Variant("E"), Variant("e"), missingArg(), Variant::I4(3));
    c->Add(Variant("F"), missingArg(), Variant::I4(1), missingArg());
    EXPECT_EQ(contents(*c), "FDBCE");
    c->Remove(Variant("e"));
    EXPECT_EQ(contents(*c), "FDBC");
}

TEST(Collection, ErrorNumbers) {
    Ref<Collection> c = makeRef<Collection>();
    c->add(Variant("A"), "Charge");
    c->add(Variant("B"));
    struct Case {
        const char* what;
        std::function<void()> run;
        int expected;
    };
    const Case cases[] = {
        {"duplicate key, other case", [&] { c->add(Variant("x"), "charge"); }, err::KeyAlreadyExists},
        {"absent key", [&] { c->Item(Variant("nope")); }, err::InvalidProcedureCall},
        {"position 0", [&] { c->Item(Variant::I4(0)); }, err::SubscriptOutOfRange},
        {"position past the end", [&] { c->Item(Variant::I4(3)); }, err::SubscriptOutOfRange},
        {"remove absent key", [&] { c->Remove(Variant("nope")); }, err::InvalidProcedureCall},
        {"remove bad position", [&] { c->Remove(Variant::I4(-1)); }, err::SubscriptOutOfRange},
        {"index neither text nor number", [&] { c->Item(Variant::Null()); }, err::TypeMismatch},
        {"key that is no text", [&] { c->Add(Variant(), Variant::I4(1), missingArg(), missingArg()); }, err::TypeMismatch},
        {"before and after", [&] { c->Add(Variant(), missingArg(), Variant::I4(1), Variant::I4(1)); },
         err::InvalidProcedureCall},
        {"before an absent key", [&] { c->Add(Variant(), missingArg(), Variant("zz"), missingArg()); },
         err::InvalidProcedureCall},
    };
    for (const Case& k : cases) EXPECT_EQ(errorOf(k.run), k.expected) << k.what;
    EXPECT_EQ(c->Count(), 2);  // no failed call changed anything
}

TEST(Collection, ForEachWalksASnapshotByName) {
    Ref<Collection> c = makeRef<Collection>();
    c->add(Variant::I4(1));
    c->add(Variant::I4(2));
    Ref<Object> e = invoke(*c, DispIdNewEnum, InvokeKind::PropertyGet).object();
    c->Remove(Variant::I4(1));
    auto* en = dynamic_cast<VariantEnumerator*>(e.get());
    ASSERT_NE(en, nullptr);
    std::string seen;
    for (Variant v; en->next(v);) seen += literal::print(v) + " ";
    EXPECT_EQ(seen, "I4:1 I4:2 ");
    std::vector<Variant> index{Variant::I4(1)};
    EXPECT_EQ(literal::print(invoke(*c, "item", InvokeKind::PropertyGet, index)), "I4:2");
    EXPECT_EQ(invoke(*c, "Count", InvokeKind::PropertyGet).i4(), 1);
}

}  // namespace
}  // namespace tav
