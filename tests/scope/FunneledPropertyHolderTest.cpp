// One funnel: the merge rules step by step, errors that leave a conflict, the text tokens of the
// conflict value, the once-only source name and the indexed bag keys.
#include "scope/FunneledPropertyHolder.h"

#include <gtest/gtest.h>

#include <vector>

#include "automation/objects/Invoke.h"
#include "automation/operators/Operators.h"
#include "automation/objects/Prompts.h"
#include "FunnelTestSupport.h"

namespace tav {
namespace {

using funneltest::caught;
using funneltest::show;
using Rule = funneledPropertyResolveBy;
using Status = funneledPropertyStatus;

Ref<FunneledPropertyHolder> holder(Rule rule, std::string_view internalName = "Charge") {
    Ref<FunneledPropertyHolder> h = makeRef<FunneledPropertyHolder>();
    h->SetResolveBy(rule);
    h->SetInternalPropertyName(internalName);
    return h;
}

TEST(FunneledPropertyHolder, NewHolderShowsItsNullConflictValue) {
    Ref<FunneledPropertyHolder> h = makeRef<FunneledPropertyHolder>();
    EXPECT_EQ(h->status(), Status::NoValuesYet);
    EXPECT_EQ(show(h->ApparentValue()), "Null");
    EXPECT_EQ(h->ConflictValueStr(), "#VT_NULL#");
    EXPECT_EQ(h->ResolveBy(), Rule::ScalarCompareAll);
    EXPECT_EQ(h->ExtraInfo(), 0);
}

TEST(FunneledPropertyHolder, MergeRulesGiveTheirSequenceOfResultsAndStates) {
    struct Case {
        Rule rule;
        std::vector<const char*> values;
        std::vector<bool> results;
        Status status;
        const char* shown;
    };
    const Rule unknownRule = static_cast<Rule>(9);
    const Case cases[] = {
        {Rule::ScalarCompareAll, {"I4:1", "I4:1", "I4:1"}, {true, true, true}, Status::ValuesConsistent, "I4:1"},
        {Rule::ScalarCompareAll, {"I4:1", "I4:2"}, {true, false}, Status::ValuesConflict, "Null"},
        {Rule::ScalarCompareAll, {"I4:1", "I4:2", "I4:1"}, {true, false, false}, Status::ValuesConflict, "Null"},
        {Rule::ScalarCompareAll, {"R8:1", "R8:1.000001"}, {true, true}, Status::ValuesConsistent, "R8:1"},
        {Rule::ScalarCompareAll, {"R8:0", "R8:1e-300"}, {true, false}, Status::ValuesConflict, "Null"},
        {Rule::ScalarCompareAll, {"Str:\"abc\"", "Str:\"ABC\""}, {true, false}, Status::ValuesConflict, "Null"},
        {Rule::ScalarCompareAll, {"Null", "Null"}, {true, true}, Status::ValuesConsistent, "Null"},
        {Rule::ScalarCompareAll, {"Str:\"5\"", "I2:5"}, {true, true}, Status::ValuesConsistent, "Str:\"5\""},
        {Rule::ScalarCompareAll, {"Empty", "Str:\"\""}, {true, false}, Status::ValuesConflict, "Null"},
        {Rule::UseFirstVal, {"I4:7"}, {false}, Status::ValuesConsistent, "I4:7"},
        {Rule::ConflictOnSecondVal, {"I4:7"}, {true}, Status::ValuesConsistent, "I4:7"},
        {Rule::ConflictOnSecondVal, {"I4:7", "I4:7"}, {true, false}, Status::ValuesConflict, "Null"},
        {Rule::SumOfNumeric, {"I4:1", "I4:2", "R8:3.5"}, {true, true, true}, Status::ValuesConsistent, "R8:6.5"},
        {Rule::SumOfNumeric, {"I2:30000", "I2:30000"}, {true, true}, Status::ValuesConsistent, "I4:60000"},
        {Rule::SumOfNumeric, {"Str:\"ab\"", "Str:\"cd\"", "Str:\"e\""}, {true, true, true}, Status::ValuesConsistent,
         "Str:\"abcde\""},
        {Rule::SumOfNumeric, {"I4:1", "Null", "I4:2"}, {true, true, true}, Status::ValuesConsistent, "Null"},
        {unknownRule, {"I4:3"}, {true}, Status::ValuesConsistent, "I4:3"},
    };
    for (const Case& c : cases) {
        Ref<FunneledPropertyHolder> h = holder(c.rule);
        std::vector<bool> results;
        for (const char* v : c.values) results.push_back(h->FunnelValue(literal::parse(v)));
        const std::string label = "rule " + std::to_string(static_cast<int>(c.rule)) + " fed " + c.values.front() +
                                  (c.values.size() > 1 ? std::string(", ") + c.values[1] : "");
        EXPECT_EQ(results, c.results) << label;
        EXPECT_EQ(h->status(), c.status) << label;
        EXPECT_EQ(show(h->ApparentValue()), c.shown) << label;
    }
}

TEST(FunneledPropertyHolder, ErrorsLeaveAConflictAndPassUnchanged) {
    struct Case {
        Rule rule;
        const char* first;
        const char* second;
        int32_t number;
        const char* description;  // nullptr: whatever the Variant operation raises
    };
    const Case cases[] = {
        {Rule::UseFirstVal, "I4:1", "I4:1", err::InvalidProcedureCall,
         "Unexpected repeat call into FunnelValue, on property:Charge"},
        {static_cast<Rule>(0), "I4:1", "I4:1", err::InvalidProcedureCall, "Unknown ResolveBy on property:Charge"},
        {static_cast<Rule>(-7), "I4:1", "I4:2", err::InvalidProcedureCall, "Unknown ResolveBy on property:Charge"},
        {Rule::SumOfNumeric, "I4:1", "Str:\"abc\"", err::TypeMismatch, nullptr},
        {Rule::ScalarCompareAll, "I4:1", "[I4:1]", err::TypeMismatch, nullptr},
    };
    for (const Case& c : cases) {
        Ref<FunneledPropertyHolder> h = holder(c.rule);
        h->FunnelValue(literal::parse(c.first));
        const auto e = caught([&] { h->FunnelValue(literal::parse(c.second)); });
        ASSERT_TRUE(e) << c.second;
        EXPECT_EQ(e->number(), c.number) << c.second;
        EXPECT_EQ(h->status(), Status::ValuesConflict) << c.second;
        if (c.description) {
            EXPECT_EQ(e->source(), "FunneledPropertyHolder");
            EXPECT_EQ(e->description(), c.description);
        }
        // Later values are ignored until a reset starts afresh.
        EXPECT_FALSE(h->FunnelValue(literal::parse(c.second)));
        h->Reset();
        EXPECT_EQ(h->status(), Status::NoValuesYet);
        h->FunnelValue(Variant::I4(5));
        EXPECT_EQ(show(h->ApparentValue()), "I4:5");
    }
}

TEST(FunneledPropertyHolder, AdditionErrorIsTheOperatorsOwn) {
    const auto expected = caught([] { Add(Variant::I4(1), Variant("abc")); });
    Ref<FunneledPropertyHolder> h = holder(Rule::SumOfNumeric);
    h->FunnelValue(Variant::I4(1));
    const auto e = caught([&] { h->FunnelValue(Variant("abc")); });
    ASSERT_TRUE(expected && e);
    EXPECT_EQ(e->source(), expected->source());
    EXPECT_EQ(e->description(), expected->description());
}

TEST(FunneledPropertyHolder, ApparentValueLetTakesOverFromAnyState) {
    Ref<FunneledPropertyHolder> h = holder(Rule::ConflictOnSecondVal);
    h->FunnelValue(Variant::I4(1));
    h->FunnelValue(Variant::I4(2));
    Variant v("read by the host");
    h->SetApparentValue(v);
    EXPECT_EQ(h->status(), Status::ValuesConsistent);
    EXPECT_EQ(show(h->ApparentValue()), "Str:\"read by the host\"");

    // Objects travel by reference, in and out.
    Ref<FunneledPropertyHolder> other = makeRef<FunneledPropertyHolder>();
    Variant obj(other);
    invoke(*h, "ApparentValue", InvokeKind::PropertySet, std::span<Variant>(&obj, 1));
    EXPECT_EQ(h->ApparentValue().object(), other.get());
    h->SetConflictValue(obj);
    h->Reset();
    EXPECT_EQ(h->ApparentValue().object(), other.get());
}

TEST(FunneledPropertyHolder, ResetKeepsNamesRuleConflictValueAndExtraInfo) {
    Ref<FunneledPropertyHolder> h = holder(Rule::SumOfNumeric);
    h->SetSourcePropertyName("Q");
    h->SetConflictValueStr("-1");
    h->SetExtraInfo(12);
    h->FunnelValue(Variant::I4(4));
    h->Reset();
    EXPECT_EQ(h->status(), Status::NoValuesYet);
    EXPECT_EQ(show(h->ApparentValue()), "I4:-1");
    EXPECT_EQ(h->SourcePropertyName(), "Q");
    EXPECT_EQ(h->InternalPropertyName(), "Charge");
    EXPECT_EQ(h->ResolveBy(), Rule::SumOfNumeric);
    EXPECT_EQ(h->ExtraInfo(), 12);
}

TEST(FunneledPropertyHolder, ConflictValueTextRoundTrips) {
    struct Case {
        const char* text;
        const char* value;
        const char* textBack;
    };
    const Case cases[] = {
        {"#VT_NULL#", "Null", "#VT_NULL#"},
        {"#VT_EMPTY#", "Empty", "#VT_EMPTY#"},
        {"#Nothing#", "Nothing", "#Nothing#"},
        {"#EmptyString#", "Str:\"\"", "#EmptyString#"},
        {"", "Str:\"\"", "#EmptyString#"},
        {"#vt_null#", "Str:\"#vt_null#\"", "#vt_null#"},
        {"#NOTHING#", "Str:\"#NOTHING#\"", "#NOTHING#"},
        {" #VT_EMPTY#", "Str:\" #VT_EMPTY#\"", " #VT_EMPTY#"},
        {"42", "I4:42", "42"},
        {"0", "I4:0", "0"},
        {"2.5", "R8:2.5", "2.5"},
        {"1e3", "I4:1000", "1000"},
        {"3000000000", "R8:3000000000", "3000000000"},
        {"abc", "Str:\"abc\"", "abc"},
    };
    for (const Case& c : cases) {
        Ref<FunneledPropertyHolder> h = makeRef<FunneledPropertyHolder>();
        h->SetConflictValueStr(c.text);
        EXPECT_EQ(show(h->ConflictValue()), c.value) << c.text;
        EXPECT_EQ(h->ConflictValueStr(), c.textBack) << c.text;
    }
}

TEST(FunneledPropertyHolder, OtherConflictValuesReadAsTheirText) {
    Ref<FunneledPropertyHolder> h = makeRef<FunneledPropertyHolder>();
    h->SetConflictValue(Variant::Bool(true));
    EXPECT_EQ(h->ConflictValueStr(), "True");
    h->SetConflictValue(Variant::R8(-0.5));
    EXPECT_EQ(h->ConflictValueStr(), "-0.5");
}

class RecordingPrompts : public Prompts {
public:
    int messageBox(std::string_view prompt, int buttons, std::string_view title) override {
        shown.push_back({std::string(prompt), buttons, std::string(title)});
        return msgbox::OK;
    }
    std::string inputBox(std::string_view, std::string_view, std::string_view) override { return {}; }
    struct Box {
        std::string prompt;
        int buttons;
        std::string title;
    };
    std::vector<Box> shown;
};

TEST(FunneledPropertyHolder, LiveObjectConflictValueReadsAsNothingAfterAMessage) {
    RecordingPrompts prompts;
    PromptsScope scope(prompts);
    Ref<FunneledPropertyHolder> h = makeRef<FunneledPropertyHolder>();
    h->SetConflictValue(Variant::Nothing());
    EXPECT_EQ(h->ConflictValueStr(), "#Nothing#");
    EXPECT_TRUE(prompts.shown.empty());

    h->SetConflictValue(Variant(makeRef<FunneledPropertyHolder>()));
    EXPECT_EQ(h->ConflictValueStr(), "#Nothing#");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].prompt, "Unexpected! Only Nothing suported for Conflict-Value of Object/interface types.");
    EXPECT_EQ(prompts.shown[0].title, "Unexpected");
    EXPECT_EQ(prompts.shown[0].buttons, msgbox::Critical);
}

TEST(FunneledPropertyHolder, SourcePropertyNameIsSetOnce) {
    Ref<FunneledPropertyHolder> h = makeRef<FunneledPropertyHolder>();
    h->SetSourcePropertyName("");
    h->SetSourcePropertyName("A");
    const auto e = caught([&] { h->SetSourcePropertyName("A"); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), err::UnexpectedState);
    EXPECT_EQ(e->source(), "");
    EXPECT_EQ(e->description(), "SourcePropertyName may only be set once");
    EXPECT_EQ(h->SourcePropertyName(), "A");
}

TEST(FunneledPropertyHolder, SaveLeavesDefaultsOutOfTheBag) {
    struct Case {
        void (*setUp)(FunneledPropertyHolder&);
        int16_t index;
        const char* keys;
    };
    const Case cases[] = {
        {[](FunneledPropertyHolder&) {}, 3, "SrcPropName3"},
        {[](FunneledPropertyHolder& h) { h.SetInternalPropertyName("PartialCharge"); }, 1,
         "SrcPropName1|IntPropName1"},
        {[](FunneledPropertyHolder& h) {
             h.SetInternalPropertyName("PartialCharge");
             h.SetConflictValueStr("#EmptyString#");
             h.SetResolveBy(Rule::SumOfNumeric);
             h.SetExtraInfo(-2);
         },
         12, "SrcPropName12|IntPropName12|ConflictValueStr12|ResolveBy12|ExtraInfo12"},
    };
    for (const Case& c : cases) {
        FunneledPropertyHolder h;
        h.SetSourcePropertyName("Charge");
        h.SetInternalPropertyName("Charge");
        c.setUp(h);
        PropertyBag bag;
        h.save(bag, c.index);
        EXPECT_EQ(bag.Keys(), c.keys);
        EXPECT_EQ(show(bag.read("SrcPropName" + std::to_string(c.index))), "Str:\"Charge\"");
    }
}

TEST(FunneledPropertyHolder, LoadReadsTheOlderNameKeyAndDefaults) {
    PropertyBag bag;
    bag.write("PropertyName2", Variant("Name"));
    bag.write("SrcPropName3", Variant("New"));
    bag.write("PropertyName3", Variant("Old"));
    FunneledPropertyHolder h;
    h.load(bag, 2);
    EXPECT_EQ(h.SourcePropertyName(), "Name");
    EXPECT_EQ(h.InternalPropertyName(), "Name");
    EXPECT_EQ(show(h.ConflictValue()), "Null");
    EXPECT_EQ(h.ResolveBy(), Rule::ScalarCompareAll);
    EXPECT_EQ(h.ExtraInfo(), 0);
    // Loading is no second setting of the source name, and the funneled state stays.
    h.FunnelValue(Variant::I4(1));
    h.load(bag, 3);
    EXPECT_EQ(h.SourcePropertyName(), "New");
    EXPECT_EQ(h.status(), Status::ValuesConsistent);
}

TEST(FunneledPropertyHolder, SaveAndLoadRoundTripThroughABagFile) {
    FunneledPropertyHolder h;
    h.SetSourcePropertyName("Charge");
    h.SetInternalPropertyName("PartialCharge");
    h.SetConflictValueStr("2.5");
    h.SetResolveBy(Rule::ConflictOnSecondVal);
    h.SetExtraInfo(77);
    h.FunnelValue(Variant::I4(1));
    PropertyBag bag;
    h.save(bag, 4);
    Ref<PropertyBag> reread = funneltest::throughFile(bag, "holder");
    FunneledPropertyHolder copy;
    copy.load(*reread, 4);
    EXPECT_EQ(copy.SourcePropertyName(), "Charge");
    EXPECT_EQ(copy.InternalPropertyName(), "PartialCharge");
    EXPECT_EQ(show(copy.ConflictValue()), "R8:2.5");
    EXPECT_EQ(copy.ResolveBy(), Rule::ConflictOnSecondVal);
    EXPECT_EQ(copy.ExtraInfo(), 77);
    EXPECT_EQ(copy.status(), Status::NoValuesYet);
}

TEST(FunneledPropertyHolder, TypeInformationListsMembersInSlotOrder) {
    const ClassDesc& d = FunneledPropertyHolder::table();
    std::vector<std::string> names;
    for (const MemberDesc& m : d.defaultInterface().members()) names.push_back(m.name + ":" + m.type.spelling());
    const std::vector<std::string> expected = {
        "ExtraInfo:Long",          "Reset:Void",
        "SourcePropertyName:String", "InternalPropertyName:String",
        "FunnelValue:Boolean",     "status:funneledPropertyStatus",
        "ResolveBy:funneledPropertyResolveBy", "ConflictValue:Variant",
        "ConflictValueStr:String", "ApparentValue:Variant",
        "Save:Void",               "Load:Void"};
    EXPECT_EQ(names, expected);
    const MemberDesc* save = d.defaultInterface().find("Save");
    ASSERT_EQ(save->params.size(), 2u);
    EXPECT_TRUE(save->params[0].byRef() && save->params[1].byRef());
    const EnumDesc* rule = d.findEnumeration("funneledPropertyResolveBy");
    ASSERT_TRUE(rule && d.findEnumeration("funneledPropertyStatus"));
    EXPECT_EQ(rule->find("SumOfNumeric")->value, 4);
}

}  // namespace
}  // namespace tav
