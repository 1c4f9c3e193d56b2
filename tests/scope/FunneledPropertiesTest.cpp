// The funnel collection: keys without letter case, positions from 1, the collection's errors,
// for-each, and saving every holder into one bag.
#include "scope/FunneledProperties.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "FunnelTestSupport.h"
#include "automation/objects/Invoke.h"
#include "automation/objects/VariantEnumerator.h"

namespace tav {
namespace {

using funneltest::caught;
using funneltest::show;
using Rule = funneledPropertyResolveBy;
using Status = funneledPropertyStatus;

Ref<FunneledProperties> withNames(std::initializer_list<const char*> names) {
    Ref<FunneledProperties> fp = makeRef<FunneledProperties>();
    for (const char* n : names) fp->AddPropertyFunnel(n, n, Rule::ScalarCompareAll, "#VT_NULL#");
    return fp;
}

std::string namesOf(const FunneledProperties& fp) {
    std::string out;
    for (int32_t i = 1; i <= fp.Count(); ++i) out += (i > 1 ? "," : "") + fp.Item(Variant::I4(i))->SourcePropertyName();
    return out;
}

TEST(FunneledProperties, AddPropertyFunnelByNameAppliesItsDefaults) {
    struct Case {
        std::vector<Variant> args;
        Rule rule;
        const char* conflictValue;
    };
    const Case cases[] = {
        {{Variant("Charge"), Variant("PartialCharge")}, Rule::ScalarCompareAll, "Null"},
        {{Variant("Charge"), Variant(""), Variant::I4(4)}, Rule::SumOfNumeric, "Null"},
        {{Variant("Charge"), Variant("Charge"), missingArg(), Variant("0")}, Rule::ScalarCompareAll, "I4:0"},
        {{Variant("Charge"), Variant("Charge"), Variant::I2(2), Variant("#EmptyString#")}, Rule::UseFirstVal,
         "Str:\"\""},
    };
    for (const Case& c : cases) {
        Ref<FunneledProperties> fp = makeRef<FunneledProperties>();
        std::vector<Variant> args = c.args;
        const Variant r = invoke(*fp, "AddPropertyFunnel", InvokeKind::Method, args);
        auto* h = dynamic_cast<FunneledPropertyHolder*>(r.object());
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(fp->Item(Variant("charge")).get(), h);
        EXPECT_EQ(h->InternalPropertyName(), c.args[1].str());
        EXPECT_EQ(h->ResolveBy(), c.rule);
        EXPECT_EQ(show(h->ConflictValue()), c.conflictValue);
        EXPECT_EQ(h->status(), Status::NoValuesYet);
    }
}

TEST(FunneledProperties, ErrorsLeaveTheCollectionUnchanged) {
    struct Case {
        const char* what;
        std::function<void(FunneledProperties&)> act;
        int32_t number;
    };
    auto named = [](const char* n) {
        Ref<FunneledPropertyHolder> h = makeRef<FunneledPropertyHolder>();
        h->SetSourcePropertyName(n);
        return h;
    };
    const Case cases[] = {
        {"empty name", [](FunneledProperties& fp) { fp.AddPropertyFunnel("", "X", Rule::ScalarCompareAll, ""); },
         err::InvalidArgument},
        {"custom empty name",
         [](FunneledProperties& fp) { fp.AddCustomPropertyFunnel(makeRef<FunneledPropertyHolder>()); },
         err::InvalidArgument},
        {"duplicate", [](FunneledProperties& fp) { fp.AddPropertyFunnel("charge", "", Rule::UseFirstVal, ""); },
         err::KeyAlreadyExists},
        {"custom duplicate", [&](FunneledProperties& fp) { fp.AddCustomPropertyFunnel(named("MASS")); },
         err::KeyAlreadyExists},
        {"custom Nothing", [](FunneledProperties& fp) { fp.AddCustomPropertyFunnel(nullptr); }, err::ObjectNotSet},
        {"item key", [](FunneledProperties& fp) { fp.Item(Variant("Radius")); }, err::InvalidProcedureCall},
        {"item 0", [](FunneledProperties& fp) { fp.Item(Variant::I4(0)); }, err::SubscriptOutOfRange},
        {"item 3", [](FunneledProperties& fp) { fp.Item(Variant::R8(3)); }, err::SubscriptOutOfRange},
        {"remove key", [](FunneledProperties& fp) { fp.Remove(Variant("Radius")); }, err::InvalidProcedureCall},
        {"remove -1", [](FunneledProperties& fp) { fp.Remove(Variant::I2(-1)); }, err::SubscriptOutOfRange},
    };
    for (const Case& c : cases) {
        Ref<FunneledProperties> fp = withNames({"Charge", "Mass"});
        const auto e = caught([&] { c.act(*fp); });
        ASSERT_TRUE(e) << c.what;
        EXPECT_EQ(e->number(), c.number) << c.what;
        EXPECT_EQ(namesOf(*fp), "Charge,Mass") << c.what;
        if (c.number == err::InvalidArgument) {
            EXPECT_EQ(e->source(), "");
            EXPECT_EQ(e->description(),
                      "property funnel must have its SourcePropertyName set before it is added to the collection");
        }
    }
}

TEST(FunneledProperties, KeysIgnoreCaseAndPositionsCloseUp) {
    Ref<FunneledProperties> fp = withNames({"A", "B", "C"});
    Ref<FunneledPropertyHolder> c = fp->Item(Variant("c"));
    fp->Remove(Variant("a"));
    EXPECT_EQ(fp->Item(Variant::I4(2)).get(), c.get());
    fp->Remove(Variant::I4(1));
    EXPECT_EQ(namesOf(*fp), "C");
    EXPECT_EQ(fp->Count(), 1);
}

TEST(FunneledProperties, ClearDropsTheHoldersButNotThoseHeldElsewhere) {
    Ref<FunneledProperties> fp = withNames({"Charge"});
    Ref<FunneledPropertyHolder> h = fp->Item(Variant::I4(1));
    h->FunnelValue(Variant::I4(3));
    fp->Clear();
    EXPECT_EQ(fp->Count(), 0);
    EXPECT_EQ(show(h->ApparentValue()), "I4:3");
    fp->AddCustomPropertyFunnel(h);
    EXPECT_EQ(fp->Item(Variant("CHARGE")).get(), h.get());
}

TEST(FunneledProperties, ForEachWalksTheHoldersInOrder) {
    Ref<FunneledProperties> fp = withNames({"X", "Y", "Z"});
    const Variant e = invoke(*fp, DispIdNewEnum, InvokeKind::PropertyGet);
    auto* walk = dynamic_cast<VariantEnumerator*>(e.object());
    ASSERT_NE(walk, nullptr);
    std::string seen;
    for (Variant item; walk->next(item);) seen += static_cast<FunneledPropertyHolder*>(item.object())->SourcePropertyName();
    EXPECT_EQ(seen, "XYZ");
    EXPECT_TRUE(FunneledProperties::table().defaultInterface().find("NewEnum")->hidden);
}

TEST(FunneledProperties, EmptyCollectionSavesOnlyItsCount) {
    FunneledProperties fp;
    PropertyBag bag;
    fp.save(bag);
    EXPECT_EQ(bag.Keys(), "NumProps");
    EXPECT_EQ(show(bag.read("NumProps")), "I4:0");
    fp.load(bag);
    EXPECT_EQ(fp.Count(), 0);
}

TEST(FunneledProperties, SaveAndLoadRoundTripThroughABagFile) {
    Ref<FunneledProperties> fp = makeRef<FunneledProperties>();
    fp->AddPropertyFunnel("Zeta", "Zeta", Rule::ScalarCompareAll, "#VT_NULL#");
    fp->AddPropertyFunnel("Charge", "PartialCharge", Rule::SumOfNumeric, "0");
    Ref<FunneledPropertyHolder> custom = makeRef<FunneledPropertyHolder>();
    custom->SetSourcePropertyName("Alpha");
    custom->SetResolveBy(Rule::ConflictOnSecondVal);
    custom->SetConflictValueStr("#VT_EMPTY#");
    custom->SetExtraInfo(5);
    custom->FunnelValue(Variant::I4(1));
    fp->AddCustomPropertyFunnel(custom);

    PropertyBag bag;
    fp->save(bag);
    EXPECT_EQ(bag.Keys(),
              "NumProps|SrcPropName1|SrcPropName2|IntPropName2|ConflictValueStr2|ResolveBy2|SrcPropName3|"
              "IntPropName3|ConflictValueStr3|ResolveBy3|ExtraInfo3");
    Ref<PropertyBag> reread = funneltest::throughFile(bag, "collection");
    FunneledProperties copy;
    copy.load(*reread);
    ASSERT_EQ(copy.Count(), 3);
    for (int16_t i = 1; i <= 3; ++i) {
        const Ref<FunneledPropertyHolder> a = fp->Item(Variant::I2(i));
        const Ref<FunneledPropertyHolder> b = copy.Item(Variant::I2(i));
        EXPECT_EQ(b->SourcePropertyName(), a->SourcePropertyName());
        EXPECT_EQ(b->InternalPropertyName(), a->InternalPropertyName());
        EXPECT_EQ(b->ResolveBy(), a->ResolveBy());
        EXPECT_EQ(b->ConflictValueStr(), a->ConflictValueStr());
        EXPECT_EQ(b->ExtraInfo(), a->ExtraInfo());
        EXPECT_EQ(b->status(), Status::NoValuesYet);
    }
}

TEST(FunneledProperties, LoadAddsAfterTheHoldersThereAndStopsAtADuplicate) {
    PropertyBag bag;
    withNames({"A", "B", "C"})->save(bag);
    Ref<FunneledProperties> fp = withNames({"b"});
    const auto e = caught([&] { fp->load(bag); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), err::KeyAlreadyExists);
    EXPECT_EQ(namesOf(*fp), "b,A");
}

TEST(FunneledProperties, WalksStopAtTheSixteenBitLimitBeforeTouchingAHolder) {
    PropertyBag big;
    big.write("NumProps", Variant::I4(32768));
    Ref<FunneledProperties> fp = withNames({"A"});
    EXPECT_EQ(caught([&] { fp->load(big); })->number(), err::Overflow);
    EXPECT_EQ(fp->Count(), 1);

    Ref<FunneledPropertyHolder> first = fp->Item(Variant::I4(1));
    first->FunnelValue(Variant::I4(1));
    for (int i = 2; i <= 32767; ++i) {
        Ref<FunneledPropertyHolder> h = makeRef<FunneledPropertyHolder>();
        h->SetSourcePropertyName("P" + std::to_string(i));
        fp->AddCustomPropertyFunnel(h);
    }
    fp->Reset();  // exactly at the limit the walk still ends
    EXPECT_EQ(first->status(), Status::NoValuesYet);

    first->FunnelValue(Variant::I4(1));
    fp->AddPropertyFunnel("OneTooMany", "", Rule::ScalarCompareAll, "");
    EXPECT_EQ(caught([&] { fp->Reset(); })->number(), err::Overflow);
    EXPECT_EQ(first->status(), Status::ValuesConsistent);
    PropertyBag bag;
    EXPECT_EQ(caught([&] { fp->save(bag); })->number(), err::Overflow);
    EXPECT_EQ(bag.Keys(), "NumProps");
}

}  // namespace
}  // namespace tav
