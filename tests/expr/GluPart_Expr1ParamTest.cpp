#include "expr/GluPart_Expr1Param.h"

#include <gtest/gtest.h>

#include "automation/objects/Invoke.h"
#include "ExprTestSupport.h"

using namespace tav;
using namespace tav::exprtest;

namespace {

const std::string kStoreTokens("( Sqr ( TheValue ) - 2 ) / PI \0", 31);

Ref<GluPart_Expr1Param> newGlue() {
    Ref<GluPart_Expr1Param> g = makeRef<GluPart_Expr1Param>();
    g->InitProperties();
    return g;
}

std::string display(GluPart_Expr1Param& g, Variant v) {
    return outcome([&] {
        g.TransformForDisplay(v);
        return v;
    });
}
std::string store(GluPart_Expr1Param& g, Variant v) {
    return outcome([&] {
        g.InvTransformForStorage(v);
        return v;
    });
}

TEST(GluPart_Expr1Param, StoreExpressionSeesTheSourceValueOfTheLastDisplay) {
    Ref<GluPart_Expr1Param> g = newGlue();
    g->ShowExpression()->SetExpressionString("7");
    g->StoreExpression()->SetExpressionString("IIf(TheValue > 10, TheOldValue, TheValue)");
    EXPECT_EQ(display(*g, Variant::I4(5)), "R8:7");  // a constant whatever the source holds
    EXPECT_EQ(display(*g, Variant::I4(3)), "R8:7");
    EXPECT_EQ(store(*g, Variant::I4(20)), "I4:3");   // out of range: keep the old source value
    EXPECT_EQ(store(*g, Variant::I4(8)), "I4:8");
}

TEST(GluPart_Expr1Param, EvaluatorErrorsFailTheCycles) {
    Ref<GluPart_Expr1Param> g = newGlue();
    g->ShowExpression()->SetExpressionString("TheValue +");
    EXPECT_EQ(display(*g, Variant::I4(1)), "Err:0x80040209 \"\" \"Expected Value!\"");
    EXPECT_EQ(display(*g, Variant("abc")), "Err:0x80040209 \"\" \"Expected Value!\"");
    g->StoreExpression()->SetExpressionString("Sqr(TheValue)");
    EXPECT_EQ(store(*g, Variant::I4(-4)),
              "Err:5 \"ExprEvaluator\" \"Invalid procedure call or argument (from function: 'Sqr')\"");
    // Never displayed and never initialised: the store expression has no TheOldValue.
    Ref<GluPart_Expr1Param> fresh = makeRef<GluPart_Expr1Param>();
    EXPECT_EQ(store(*fresh, Variant::I4(1)), "Err:9 \"\" \"Subscript out of range\"");
}

TEST(GluPart_Expr1Param, PropertyBagKeepsTheTokenForm) {
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    bag->write("ShowExpression", Variant("(TheValue*2)"));
    Ref<GluPart_Expr1Param> g = makeRef<GluPart_Expr1Param>();
    g->ReadProperties(bag);  // StoreExpression is absent: its default
    EXPECT_EQ(g->GetDisplayString("ShowExpression"), std::string("( TheValue * 2 ) \0", 18));
    EXPECT_EQ(g->GetDisplayString("StoreExpression"), kStoreTokens);
    EXPECT_EQ(display(*g, Variant::I4(4)), "R8:8");

    Ref<PropertyBag> out = makeRef<PropertyBag>();
    g->WriteProperties(out);
    EXPECT_EQ(out->Keys(), "ShowExpression|StoreExpression");  // the token form never equals the default
    EXPECT_EQ(out->read("ShowExpression").str(), std::string("( TheValue * 2 ) \0", 18));
    EXPECT_EQ(out->read("StoreExpression").str(), kStoreTokens);
    Ref<GluPart_Expr1Param> again = makeRef<GluPart_Expr1Param>();
    again->ReadProperties(out);
    EXPECT_EQ(again->GetDisplayString("ShowExpression"), std::string("( TheValue * 2 ) \0", 18));

    Ref<PropertyBag> bad = makeRef<PropertyBag>();
    bad->write("StoreExpression", Variant("\"open"));
    EXPECT_EQ(errorOf([&] { g->ReadProperties(bad); }), "Err:5 \"\" \"Expected end of string constant\"");
}

TEST(GluPart_Expr1Param, DesignTimePreviewTakesTheValueShownNow) {
    Ref<FakeItem> item = makeRef<FakeItem>();
    item->names = {"Charge"};
    item->source().values["Charge"] = Variant::R8(2.5);
    Ref<GluPart_Expr1Param> g = newGlue();

    // A fresh glue has nothing to preview with: the getters just return the evaluators.
    EXPECT_EQ(g->ShowExpression()->NamedVariablesCount(), 2);
    EXPECT_EQ(g->ShowExpression().get(), g->ShowExpression().get());

    g->WakeUp(item->asItem());
    EXPECT_EQ(g->StoreExpression()->NamedVariablesCount(), 2);  // running, not designing
    EXPECT_TRUE(item->source().reads.empty());

    item->parent->designTime = true;
    EXPECT_EQ(literal::print(g->ShowExpression()->NamedVariable("TheValue")), "R8:2.5");
    EXPECT_EQ(g->StoreExpression()->NamedVariablesCount(), 4);
    EXPECT_EQ(literal::print(g->StoreExpression()->NamedVariable("TheOldValue")), "R8:2.5");

    item->parent->source = nullptr;  // a parent binding without source part
    EXPECT_EQ(errorOf([&] { g->ShowExpression(); }), "Err:91 \"\" \"Object variable or With block variable not set\"");
    item->parent = nullptr;  // no parent binding: nothing to preview with
    EXPECT_NO_THROW(g->StoreExpression());

    const uint32_t refs = item->refCount();
    g->TearDown();
    EXPECT_EQ(item->refCount(), refs - 1);
}

TEST(GluPart_Expr1Param, PropertyBrowsing) {
    Ref<GluPart_Expr1Param> g = newGlue();
    EXPECT_TRUE(g->GetPredefinedValue("ShowExpression", "x").isEmpty());
    EXPECT_FALSE(g->GetPredefinedStrings("ShowExpression").allocated());
    EXPECT_EQ(g->GetDisplayString("showexpression"), "");  // names compare exactly
    EXPECT_EQ(g->GetDisplayString("Other"), "");
    for (const char* name : {"ShowExpression", "StoreExpression", "Anything"})
        EXPECT_EQ(g->MapPropertyToControlProgId(name), "TAVDesignEditors.Editor_Expressions") << name;
}

TEST(GluPart_Expr1Param, ReachedByName) {
    Ref<GluPart_Expr1Param> g = newGlue();
    std::vector<Variant> value{Variant::I4(0)};
    invoke(*g, "iTAVGluePart", "TransformForDisplay", InvokeKind::Method, value);
    EXPECT_EQ(literal::print(value[0]), "R8:4");
    const Variant show = invoke(*g, "ShowExpression", InvokeKind::PropertyGet);
    EXPECT_EQ(show.object()->typeName(), "ExprEvaluator");
    std::vector<Variant> name{Variant("StoreExpression")};
    EXPECT_EQ(invoke(*g, "iTAVPerPropertyBrowsing", "GetDisplayString", InvokeKind::Method, name).str(), kStoreTokens);
    EXPECT_EQ(GluPart_Expr1Param::table().help(),
              "Allows a numeric expresion to be writen, based on TheValue, the result of which will be shown. Also an "
              "inverse function may be specified, which is used to store TheValue.\r\nMay use: +-*/^  TheValue Sin "
              "Cos Tan Log IIf AbsVal Sign Atn");
}

}  // namespace
