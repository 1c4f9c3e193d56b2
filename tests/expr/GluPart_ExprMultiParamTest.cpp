#include "expr/GluPart_ExprMultiParam.h"

#include <gtest/gtest.h>

#include "expr/GluPart_ExprInvMultiParam.h"
#include "ExprTestSupport.h"

using namespace tav;
using namespace tav::exprtest;

namespace {

// A multi-property value: one row per property, column 0 the name, column 1 the value.
Variant rows(const std::vector<std::pair<std::string, Variant>>& props, int32_t columns = 2, int32_t firstRow = 0) {
    SafeArray a({{firstRow, static_cast<int32_t>(props.size())}, {0, columns}});
    for (size_t i = 0; i < props.size(); ++i) {
        const int32_t r = firstRow + static_cast<int32_t>(i);
        a.at({r, 0}) = Variant(props[i].first);
        a.at({r, 1}) = props[i].second;
    }
    return Variant(std::move(a));
}

Ref<GluPart_ExprMultiParam> newGlue() {
    Ref<GluPart_ExprMultiParam> g = makeRef<GluPart_ExprMultiParam>();
    g->InitProperties();
    return g;
}

std::string display(GluPart_ExprMultiParam& g, Variant v) {
    return outcome([&] {
        g.TransformForDisplay(v);
        return v;
    });
}

const std::string kLoadFailed = "Failed to set Named Variables from 'TheValue'.\\r\\n";

TEST(GluPart_ExprMultiParam, ShowsOneNumberFromAllProperties) {
    Ref<GluPart_ExprMultiParam> g = newGlue();
    EXPECT_EQ(g->GetDisplayString("ShowExpression"), std::string("Sqr ( MyProp1 ^ 2 + MyProp2 ^ 2 ) \0", 35));
    EXPECT_EQ(display(*g, rows({{"MyProp1", Variant::I4(3)}, {"MyProp2", Variant::I4(4)}})), "R8:5");
    // Rows may start anywhere; variables are named exactly like the properties.
    EXPECT_EQ(display(*g, rows({{"MyProp1", Variant::R8(6)}, {"MyProp2", Variant::R8(8)}}, 2, 5)), "R8:10");
    // One row is accepted; a property left out keeps its last value.
    EXPECT_EQ(display(*g, rows({{"MyProp1", Variant::I4(0)}})), "R8:8");
    EXPECT_EQ(literal::print(g->ShowExpression()->NamedVariable("MyProp2")), "R8:8");
    EXPECT_EQ(display(*g, rows({{"myprop1", Variant::I4(0)}})), "R8:8");
}

TEST(GluPart_ExprMultiParam, ValuesThatAreNoNameValueTable) {
    Ref<GluPart_ExprMultiParam> g = newGlue();
    const std::string src = "\"GluPart_ExprMultiParam\" ";
    EXPECT_EQ(display(*g, rows({{"MyProp1", Variant::I4(3)}}, 3)),
              "Err:0x800402D4 " + src + "\"" + kLoadFailed + "Expected 'TheValue' to have 2 columns.\"");
    EXPECT_EQ(display(*g, Variant::I4(5)),
              "Err:0x800402D4 " + src + "\"" + kLoadFailed + "Expected 'TheValue' to be a 2D array of values.\"");
    EXPECT_EQ(display(*g, Variant(SafeArray::vector({Variant("MyProp1"), Variant::I4(1)}))),
              "Err:9 " + src + "\"" + kLoadFailed + "Subscript out of range\"");
    // An empty name is a name too.
    EXPECT_EQ(display(*g, rows({{"", Variant::I4(1)}, {"MyProp1", Variant::I4(3)}, {"MyProp2", Variant::I4(4)}})),
              "R8:5");
    EXPECT_EQ(literal::print(g->ShowExpression()->NamedVariable("")), "I4:1");
    EXPECT_EQ(display(*g, rows({{"MyProp1", Variant::I4(1)}}, 2, 40000)),
              "Err:6 " + src + "\"" + kLoadFailed + "Overflow\"");  // rows are counted in 16 bits
    // Errors of the expression itself pass unchanged.
    g->ShowExpression()->SetExpressionString("MyProp3 * 2");
    EXPECT_EQ(display(*g, rows({{"MyProp1", Variant::I4(3)}, {"MyProp2", Variant::I4(4)}})),
              "Err:5 \"\" \"Expected '(' after function: MyProp3\"");
}

TEST(GluPart_ExprMultiParam, StopsEveryStorageCycle) {
    Ref<GluPart_ExprMultiParam> g = newGlue();
    Variant v = Variant::I4(5);
    EXPECT_EQ(errorOf([&] { g->InvTransformForStorage(v); }),
              "Err:0x80040264 \"GluPart_ExprMultiParam\" \"silently stop storage cycle.\"");
    EXPECT_EQ(literal::print(v), "I4:5");
}

TEST(GluPart_ExprMultiParam, DesignTimePreviewLoadsTheCurrentValues) {
    Ref<GluPart_ExprMultiParam> g = newGlue();
    EXPECT_EQ(g->ShowExpression()->NamedVariablesCount(), 2);  // nothing to preview with
    Ref<FakeItem> item = makeRef<FakeItem>();
    item->names = {"MyProp1", "MyProp2"};
    item->namesLowerBound = 1;
    item->source().values = {{"MyProp1", Variant::I4(3)}, {"MyProp2", Variant::I4(4)}};
    g->WakeUp(item->asItem());
    EXPECT_EQ(g->ShowExpression()->NamedVariablesCount(), 2);  // running, not designing
    item->parent->designTime = true;
    Ref<ExprEvaluator> show = g->ShowExpression();
    EXPECT_EQ(literal::print(show->NamedVariable("MyProp2")), "I4:4");
    EXPECT_EQ(literal::print(show->EvalExpresion()), "R8:5");

    item->names = {"MyProp1"};
    EXPECT_EQ(errorOf([&] { g->ShowExpression(); }),
              "Err:0x800402D3 \"GluPart_ExprMultiParam\" \"Expect parent BindingItem to have multiple source properties!\"");
    item->parent = nullptr;
    EXPECT_NO_THROW(g->ShowExpression());
}

TEST(GluPart_ExprMultiParam, PropertyBrowsingAndBag) {
    Ref<GluPart_ExprMultiParam> g = newGlue();
    EXPECT_EQ(g->MapPropertyToControlProgId("ShowExpression"), "TAVDesignEditors.Editor_Expressions");
    EXPECT_EQ(g->MapPropertyToControlProgId("Other"), "");
    EXPECT_EQ(g->GetDisplayString("Other"), "");
    EXPECT_TRUE(g->GetPredefinedValue("ShowExpression", "").isEmpty());
    EXPECT_FALSE(g->GetPredefinedStrings("ShowExpression").allocated());

    Ref<PropertyBag> empty = makeRef<PropertyBag>();
    Ref<GluPart_ExprMultiParam> loaded = makeRef<GluPart_ExprMultiParam>();
    loaded->ReadProperties(empty);
    EXPECT_EQ(loaded->GetDisplayString("ShowExpression"), g->GetDisplayString("ShowExpression"));
    Ref<PropertyBag> out = makeRef<PropertyBag>();
    loaded->WriteProperties(out);
    EXPECT_EQ(out->read("ShowExpression").str(), std::string("Sqr ( MyProp1 ^ 2 + MyProp2 ^ 2 ) \0", 35));
    EXPECT_EQ(GluPart_ExprMultiParam::table().help(),
              "Allows a numeric expresion to be writen, based on multiple source properties, the result of which "
              "will be shown. The Binding must have multiple source properties. This glue pervents storage! - use "
              "ExprInvMuliParam glue(s) to do storage.\r\n");
}

// The whole chain as the framework runs it: display in chain order, storage in reverse order,
// ended by the multi-property glue's stop-cycle error.
TEST(GluPart_ExprMultiParam, ChainShowsMagnitudeAndStoresComponents) {
    Ref<FakeItem> item = makeRef<FakeItem>();
    item->names = {"MyProp1", "MyProp2"};
    FakeSource& source = item->source();
    source.values = {{"MyProp1", Variant::R8(3)}, {"MyProp2", Variant::R8(4)}};

    Ref<GluPart_ExprMultiParam> magnitude = newGlue();
    Ref<GluPart_ExprInvMultiParam> first = makeRef<GluPart_ExprInvMultiParam>();
    Ref<GluPart_ExprInvMultiParam> second = makeRef<GluPart_ExprInvMultiParam>();
    first->InitProperties();
    second->InitProperties();
    first->StoreExpression()->SetExpressionString("TheValue * MyProp1 / TheOldValue");
    first->SetStoreIntoProperty("MyProp1");
    second->StoreExpression()->SetExpressionString("TheValue * MyProp2 / TheOldValue");
    second->SetStoreIntoProperty("MyProp2");
    std::vector<iTAVGluePart*> chain = {magnitude.get(), first.get(), second.get()};
    for (iTAVGluePart* glue : chain) glue->WakeUp(item->asItem());

    auto runDisplay = [&] {
        Variant v = rows({{"MyProp1", source.values["MyProp1"]}, {"MyProp2", source.values["MyProp2"]}});
        for (iTAVGluePart* glue : chain) glue->TransformForDisplay(v);
        return literal::print(v);
    };
    auto runStore = [&](Variant v) {
        try {
            for (auto it = chain.rbegin(); it != chain.rend(); ++it) (*it)->InvTransformForStorage(v);
        } catch (const AutomationError& e) {
            return e.number() == err::StopCycle ? std::string("#stopped") : errorLine(e);
        }
        return std::string("#stored");
    };

    EXPECT_EQ(runDisplay(), "R8:5");
    EXPECT_EQ(runStore(Variant::R8(10)), "#stopped");
    EXPECT_EQ(source.lets, (std::vector<std::string>{"MyProp2=R8:8", "MyProp1=R8:6"}));
    EXPECT_EQ(runDisplay(), "R8:10");
    // The same number again changes nothing, so nothing is written.
    source.lets.clear();
    EXPECT_EQ(runStore(Variant("10")), "#stopped");
    EXPECT_TRUE(source.lets.empty());
    // Text that is no number fails before anything is written.
    EXPECT_EQ(runStore(Variant("ten")),
              "Err:0x800402D4 \"GluPart_ExprInvMultiParam\" \"The supplied value could not be converted to a number.\"");
}

}  // namespace
