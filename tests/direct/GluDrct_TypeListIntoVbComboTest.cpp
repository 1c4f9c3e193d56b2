// The three ways the type-list glue builds its list, its display and storage, the suppressed
// values' text, the bag and the errors it swallows or raises.
#include "direct/GluDrct_TypeListIntoVbCombo.h"

#include <gtest/gtest.h>

#include "ComboFakes.h"
#include "automation/objects/Invoke.h"

namespace tav {
namespace {

using namespace fakes;
using G = GluDrct_TypeListIntoVbCombo;

struct Bound {
    Ref<G> glue = makeRef<G>();
    Ref<ComboBox> combo = makeRef<ComboBox>();

    void wake(const Ref<Object>& source, std::string_view property) { glue->WakeUp(source, property, combo); }
    std::string display(const Variant& value = missingArg()) {
        Variant v = value;
        return print(glue->GetDisplayValue(v));
    }
    std::string store(std::string_view text) {
        Variant v{text};
        return print(glue->GetStorageValue(v));
    }
};

const std::string kListTypeUnknown =
    "5|GluDrct_TypeListIntoVbCombo|Cant call iTAVGlueDirect_GetDisplayValue when the list type is "
    "invalid/unknown for the given propery.";

TEST(GluDrct_TypeListIntoVbCombo, MemberTable) {
    EXPECT_EQ(memberList(G::table()), "SuppressedEnumValueS:String ReplaceUnderscores:String RemoveEnumPrefix:String");
    const MemberDesc* m = G::table().defaultInterface().find("SuppressedEnumValueS");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->help, "  A pipe delimited list of enum values to be Supressed. Supressed values are only shown when they "
                       "are the current value.");
}

TEST(GluDrct_TypeListIntoVbCombo, EnumerationWithPrefixAndSuppression) {
    Bound b;
    b.glue->SetRemoveEnumPrefix("gf_");
    b.glue->SetSuppressedEnumValueS("1");
    Ref<FakeSource> src = makeRef<FakeSource>();
    b.wake(src, "Shade");
    EXPECT_EQ(b.glue->listType(), G::EnumerationType);
    EXPECT_EQ(b.combo->Items(), "A|C");

    src->shade = gf_B;
    EXPECT_EQ(b.display(), "Str:\"B\"");
    EXPECT_EQ(b.combo->Items(), "A|B|C");
    EXPECT_EQ(b.display(Variant::I4(gf_A)), "Str:\"A\"");
    EXPECT_EQ(b.combo->Items(), "A|C");
    EXPECT_EQ(b.store("C"), "I4:2");
    EXPECT_EQ(failure([&] { b.store("D"); }), "5|ComboEnumLoader|Enum item not found for raw name:gf_D");
    EXPECT_EQ(failure([&] { b.display(Variant::I4(9)); }), "5|ComboEnumLoader|Enum item not found for enum-value.");
}

TEST(GluDrct_TypeListIntoVbCombo, BooleanListsTrueThenFalse) {
    Bound b;
    Ref<FakeSource> src = makeRef<FakeSource>();
    b.wake(src, "Flag");
    EXPECT_EQ(b.glue->listType(), G::BooleanType);
    EXPECT_EQ(b.combo->Items(), "True|False");
    EXPECT_EQ(b.display(), "Str:\"False\"");
    EXPECT_EQ(b.display(Variant::Bool(true)), "Str:\"True\"");
    EXPECT_EQ(b.store("True"), "Bool:True");
    EXPECT_EQ(b.store("False"), "Bool:False");
}

TEST(GluDrct_TypeListIntoVbCombo, UnlistableTypesLeaveTheGlueWithoutAList) {
    struct Case {
        const char* property;
        const char* prefix;
    };
    // A text property has no type-based list; with a prefix set, "True" fails the prefix test.
    const Case cases[] = {{"Name", ""}, {"Flag", "gf_"}, {"NoSuchMember", ""}};
    for (const Case& c : cases) {
        Bound b;
        b.glue->SetRemoveEnumPrefix(c.prefix);
        Ref<FakeSource> src = makeRef<FakeSource>();
        b.wake(src, c.property);
        EXPECT_EQ(b.glue->listType(), G::Unknown) << c.property;
        EXPECT_EQ(b.combo->Items(), "") << c.property;
        EXPECT_EQ(failure([&] { b.display(Variant::I4(1)); }), kListTypeUnknown) << c.property;
        EXPECT_EQ(failure([&] { b.store("x"); }), "5||Invalid procedure call or argument") << c.property;
    }
}

TEST(GluDrct_TypeListIntoVbCombo, PredefinedStrings) {
    Bound b;
    Ref<FakeBrowsable> src = makeRef<FakeBrowsable>();
    b.wake(src, "Shade");
    EXPECT_EQ(b.glue->listType(), G::PredefinedStrings);
    EXPECT_EQ(b.combo->Items(), "Low|Mid|High");
    EXPECT_EQ(b.display(), "Str:\"Mid\"");
    EXPECT_EQ(b.store("High"), "I4:20");
    EXPECT_EQ(b.store("Unknown"), "Str:\"Unknown\"");  // no predefined value: kept as typed
    src->display.clear();
    EXPECT_EQ(b.display(), "I4:10");  // an empty display string leaves the value as read
}

TEST(GluDrct_TypeListIntoVbCombo, NoPredefinedStringsFallsThroughToTheType) {
    Bound b;
    Ref<FakeBrowsable> src = makeRef<FakeBrowsable>();
    b.wake(src, "Flag");
    EXPECT_EQ(b.glue->listType(), G::BooleanType);
    EXPECT_EQ(b.combo->Items(), "True|False");
    // A Long property without predefined strings keeps list type 1.
    src->texts.clear();
    b.wake(src, "Shade");
    EXPECT_EQ(b.glue->listType(), G::PredefinedStrings);
    EXPECT_EQ(b.combo->Items(), "");
}

TEST(GluDrct_TypeListIntoVbCombo, SuppressedValuesText) {
    struct Case {
        const char* in;
        const char* error;
        const char* out;
    };
    const Case cases[] = {
        {"01|2", "", "1|2"},
        {"", "", ""},
        {"2.5|3.5|-1", "", "2|4|-1"},
        // The array is sized first: a bad piece leaves the ones before it and zeros after.
        {"2|x|3", "13||Type mismatch", "2|0|0"},
        {"4|", "13||Type mismatch", "4|0"},
    };
    for (const Case& c : cases) {
        Ref<G> g = makeRef<G>();
        Notices notices(*g);
        EXPECT_EQ(failure([&] { g->SetSuppressedEnumValueS(c.in); }), c.error) << c.in;
        EXPECT_EQ(g->SuppressedEnumValueS(), c.out) << c.in;
        EXPECT_EQ(notices.take(), *c.error ? "" : "SuppressedEnumValueS") << c.in;
    }
}

TEST(GluDrct_TypeListIntoVbCombo, SuppressionChangeReloadsAnAwakeCombo) {
    Bound b;
    b.glue->SetRemoveEnumPrefix("gf_");
    b.wake(makeRef<FakeSource>(), "Shade");
    EXPECT_EQ(b.combo->Items(), "A|B|C");
    b.glue->SetSuppressedEnumValueS("0|2");
    EXPECT_EQ(b.combo->Items(), "B");
    b.glue->SetSuppressedEnumValueS("");
    EXPECT_EQ(b.combo->Items(), "A|B|C");
    EXPECT_EQ(failure([&] { b.glue->SetSuppressedEnumValueS("5"); }), "5|ComboEnumLoader|Enum item not found: 5");
    // The prefix changes the list at the next WakeUp only.
    b.glue->SetRemoveEnumPrefix("");
    EXPECT_EQ(b.combo->Items(), "A|B|C");
    b.glue->SetSuppressedEnumValueS("");
    b.wake(makeRef<FakeSource>(), "Shade");
    EXPECT_EQ(b.combo->Items(), "gf_A|gf_B|gf_C");
}

TEST(GluDrct_TypeListIntoVbCombo, WakeUpAndTearDown) {
    Bound b;
    Ref<FakeSource> src = makeRef<FakeSource>();
    Ref<FakeSource> notACombo = makeRef<FakeSource>();
    EXPECT_EQ(failure([&] { b.glue->WakeUp(src, "Shade", notACombo); }), "13||Type mismatch");
    b.wake(src, "Shade");
    EXPECT_EQ(b.display(), "Str:\"gf_A\"");
    b.glue->TearDown();
    EXPECT_EQ(b.glue->listType(), G::Unknown);
    EXPECT_EQ(failure([&] { b.display(Variant::I4(0)); }), kListTypeUnknown);
    // Without a combo box the list is still built and the texts computed.
    b.glue->WakeUp(src, "Shade", Ref<Object>());
    EXPECT_EQ(b.display(Variant::I4(2)), "Str:\"gf_C\"");
}

TEST(GluDrct_TypeListIntoVbCombo, Bag) {
    Ref<G> g = makeRef<G>();
    Notices notices(*g);
    g->InitProperties();
    EXPECT_EQ(notices.take(), "SuppressedEnumValueS|ReplaceUnderscores|RemoveEnumPrefix");
    Ref<PropertyBag> empty = makeRef<PropertyBag>();
    g->WriteProperties(empty);
    EXPECT_EQ(empty->Count(), 0);

    g->SetSuppressedEnumValueS("03|1");
    g->SetRemoveEnumPrefix("gf_");
    g->SetReplaceUnderscores(" ");
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    g->WriteProperties(bag);
    EXPECT_EQ(bag->Keys(), "SuppressedEnumValues|RemoveEnumPrefix|ReplaceUnderscores");
    EXPECT_EQ(print(bag->read("SuppressedEnumValues")), "Str:\"3|1\"");

    Ref<G> h = makeRef<G>();
    Notices read(*h);
    h->ReadProperties(bag);
    EXPECT_EQ(read.take(), "SuppressedEnumValueS|RemoveEnumPrefix|ReplaceUnderscores");
    EXPECT_EQ(h->SuppressedEnumValueS(), "3|1");
    EXPECT_EQ(h->RemoveEnumPrefix(), "gf_");
    EXPECT_EQ(h->ReplaceUnderscores(), " ");
}

TEST(GluDrct_TypeListIntoVbCombo, ByName) {
    Ref<G> g = makeRef<G>();
    Variant value[] = {Variant::I4(7)};
    invoke(*g, "SuppressedEnumValueS", InvokeKind::PropertyLet, value);
    EXPECT_EQ(print(invoke(*g, "SuppressedEnumValueS", InvokeKind::PropertyGet)), "Str:\"7\"");
}

}  // namespace
}  // namespace tav
