#include "expr/GluPart_ExprInvMultiParam.h"

#include <gtest/gtest.h>

#include "ExprTestSupport.h"

using namespace tav;
using namespace tav::exprtest;

namespace {

struct NoticeLog : IPropertyChangedSink {
    std::string log;
    void OnPropertyChanged(std::string_view name) override { log += std::string(name) + "|"; }
};

const std::string kSource = "\"GluPart_ExprInvMultiParam\" ";
const std::string kNotShownNumber =
    "Err:0x800402D3 " + kSource +
    "\"Expect TheValue to be converted to a numeric single before it reaches a GluPart_ExprInvMultiParam "
    "glue.\\r\\nTypically GluPart_ExprInvMultiParam glues should be preceded by a Glue of type: ExprMultiParam.\"";

struct Fixture {
    Ref<FakeItem> item = makeRef<FakeItem>();
    Ref<GluPart_ExprInvMultiParam> glue = makeRef<GluPart_ExprInvMultiParam>();
    Fixture() {
        item->names = {"MyProp1", "MyProp2"};
        item->source().values = {{"MyProp1", Variant::I4(3)}, {"MyProp2", Variant::I4(4)}};
        glue->InitProperties();
    }
    std::string display(Variant v) {
        return outcome([&] {
            glue->TransformForDisplay(v);
            return v;
        });
    }
    std::string store(Variant v) {
        return outcome([&] {
            glue->InvTransformForStorage(v);
            return v;
        });
    }
};

TEST(GluPart_ExprInvMultiParam, NewGlueHasSampleValuesToTryTheDefaultWith) {
    Fixture f;
    Ref<ExprEvaluator> store = f.glue->StoreExpression();
    EXPECT_EQ(store->ExpressionString(), std::string("TheValue + ( MyProp1 / MyProp2 ) * ( MyProp1 ) \0", 48));
    // Unbound, the getter's design-time preview puts readable samples over the numeric ones.
    EXPECT_EQ(literal::print(store->NamedVariable("TheValue")), "Str:\"value now coming from UI\"");
    EXPECT_EQ(f.glue->StoreIntoProperty(), "");
}

TEST(GluPart_ExprInvMultiParam, DisplayPassesTheShownNumberOn) {
    Fixture f;
    f.glue->WakeUp(f.item->asItem());
    EXPECT_EQ(f.display(Variant::R8(5)), "R8:5");
    Ref<ExprEvaluator> store = f.glue->StoreExpression();
    EXPECT_EQ(literal::print(store->NamedVariable("TheOldValue")), "R8:5");
    EXPECT_EQ(literal::print(store->NamedVariable("MyProp2")), "I4:4");
    EXPECT_EQ(f.display(Variant("7")), "Str:\"7\"");  // numeric text is a number
    EXPECT_EQ(f.display(Variant("seven")), kNotShownNumber);
    EXPECT_EQ(f.display(Variant::Null()), kNotShownNumber);
    // Straight after the source it receives the multi-property value itself.
    EXPECT_EQ(f.display(Variant(SafeArray({{0, 2}, {0, 2}}))), kNotShownNumber);

    f.item->names = {"MyProp1"};
    EXPECT_EQ(f.display(Variant::R8(5)),
              "Err:0x800402D3 " + kSource + "\"Expect parent BindingItem to have multiple source properties!\"");
    f.glue->TearDown();
    EXPECT_EQ(f.display(Variant::R8(5)), "R8:5");  // without a binding item no source values are loaded
}

TEST(GluPart_ExprInvMultiParam, StorageWritesOnlyWhatChanged) {
    Fixture f;
    f.glue->WakeUp(f.item->asItem());
    f.glue->StoreExpression()->SetExpressionString("TheValue - MyProp2");
    EXPECT_EQ(f.store(Variant("x")),
              "Err:0x800402D4 " + kSource + "\"The supplied value could not be converted to a number.\"");
    EXPECT_EQ(f.store(Variant::I4(1)),
              "Err:0x800402D5 " + kSource + "\"Property to store Inverse Expression into is not set.\"");
    f.glue->SetStoreIntoProperty("MyProp1");
    ASSERT_EQ(f.display(Variant::I4(5)), "I4:5");
    EXPECT_EQ(f.store(Variant::I4(10)), "I4:10");  // TheValue itself is left as it is
    EXPECT_EQ(f.item->source().lets, std::vector<std::string>{"MyProp1=I4:6"});
    EXPECT_EQ(f.store(Variant::R8(10.000001)), "R8:10.000001");  // 6.000001 is the same as 6
    EXPECT_EQ(f.item->source().lets.size(), 1u);
    // Evaluator errors pass unchanged.
    f.glue->StoreExpression()->SetExpressionString("Nope(1)");
    EXPECT_EQ(f.store(Variant::I4(1)), "Err:5 \"ExprEvaluator\" \"Unable to resolve token: 'Nope'\"");
}

TEST(GluPart_ExprInvMultiParam, DesignTimePreviewShowsReadableSamples) {
    Fixture f;
    f.glue->WakeUp(f.item->asItem());
    f.item->parent->designTime = true;
    Ref<ExprEvaluator> store = f.glue->StoreExpression();
    EXPECT_EQ(literal::print(store->NamedVariable("TheValue")), "Str:\"value now coming from UI\"");
    EXPECT_EQ(literal::print(store->NamedVariable("TheOldValue")), "Str:\"previous value shown to UI\"");
    EXPECT_EQ(literal::print(store->NamedVariable("MyProp1")), "I4:3");
    EXPECT_EQ(store->VariableName(5), "MyProp1");

    Fixture noParent;
    noParent.item->parent = nullptr;
    noParent.glue->WakeUp(noParent.item->asItem());
    EXPECT_EQ(literal::print(noParent.glue->StoreExpression()->NamedVariable("TheValue")), "R8:4.8");

    // A glue not bound yet is at design time too: the samples, and no source variables.
    const Ref<GluPart_ExprInvMultiParam> unbound = makeRef<GluPart_ExprInvMultiParam>();
    EXPECT_EQ(literal::print(unbound->StoreExpression()->NamedVariable("TheOldValue")),
              "Str:\"previous value shown to UI\"");
    EXPECT_EQ(unbound->StoreExpression()->NamedVariablesCount(), 4);
}

TEST(GluPart_ExprInvMultiParam, ChoosingTheTargetProperty) {
    Fixture f;
    NoticeLog notices;
    Connection c = f.glue->propertyChanges().advise(notices);
    // Without a binding item there is nothing to choose from.
    EXPECT_FALSE(f.glue->GetPredefinedStrings("StoreIntoProperty").allocated());
    EXPECT_TRUE(f.glue->GetPredefinedValue("StoreIntoProperty", "MyProp2").isEmpty());
    EXPECT_EQ(f.glue->GetDisplayString("StoreIntoProperty"), "");

    f.glue->WakeUp(f.item->asItem());
    const SafeArray names = f.glue->GetPredefinedStrings("StoreIntoProperty");
    EXPECT_EQ(literal::print(Variant(names)), "[Str:\"MyProp1\", Str:\"MyProp2\"]");
    EXPECT_FALSE(f.glue->GetPredefinedStrings("StoreExpression").allocated());
    EXPECT_EQ(literal::print(f.glue->GetPredefinedValue("StoreIntoProperty", "MyProp2")), "Str:\"MyProp2\"");
    EXPECT_EQ(literal::print(f.glue->GetPredefinedValue("StoreIntoProperty", "myprop2")), "Str:\"MyProp1\"");
    EXPECT_TRUE(f.glue->GetPredefinedValue("StoreExpression", "MyProp2").isEmpty());

    EXPECT_EQ(f.glue->GetDisplayString("StoreIntoProperty"), "MyProp1");  // defaults to the first
    EXPECT_EQ(f.glue->StoreIntoProperty(), "MyProp1");
    EXPECT_EQ(notices.log, "");
    f.glue->SetStoreIntoProperty("MyProp2");
    EXPECT_EQ(notices.log, "StoreIntoProperty|");
    EXPECT_EQ(f.glue->GetDisplayString("StoreIntoProperty"), "MyProp2");
    EXPECT_EQ(f.glue->GetDisplayString("StoreExpression"), f.glue->StoreExpression()->ExpressionString());
    EXPECT_EQ(f.glue->GetDisplayString("Other"), "");
    EXPECT_EQ(f.glue->MapPropertyToControlProgId("StoreExpression"), "TAVDesignEditors.Editor_Expressions");
    EXPECT_EQ(f.glue->MapPropertyToControlProgId("StoreIntoProperty"), "");

    f.item->namesLowerBound = 1;  // the fallback is element 0, which such an array lacks
    EXPECT_EQ(errorOf([&] { f.glue->GetPredefinedValue("StoreIntoProperty", "x"); }),
              "Err:9 \"\" \"Subscript out of range\"");
}

TEST(GluPart_ExprInvMultiParam, PropertyBag) {
    Fixture f;
    NoticeLog notices;
    Connection c = f.glue->propertyChanges().advise(notices);
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    bag->write("StoreIntoProperty", Variant("MyProp2"));
    bag->write("StoreExpression", Variant("TheValue*2"));
    f.glue->ReadProperties(bag);
    EXPECT_EQ(f.glue->StoreIntoProperty(), "MyProp2");
    EXPECT_EQ(notices.log, "");  // reading is no change

    Ref<PropertyBag> out = makeRef<PropertyBag>();
    f.glue->WriteProperties(out);
    EXPECT_EQ(out->Keys(), "StoreExpression|StoreIntoProperty");
    EXPECT_EQ(out->read("StoreExpression").str(), std::string("TheValue * 2 \0", 14));
    f.glue->InitProperties();
    Ref<PropertyBag> defaults = makeRef<PropertyBag>();
    f.glue->WriteProperties(defaults);
    EXPECT_EQ(defaults->Keys(), "StoreExpression");  // the empty property name is the default
    EXPECT_EQ(GluPart_ExprInvMultiParam::table().help(),
              "One/many glues of this type perform the inverse of ExprMultiParam. Stores the result of 1 expresion "
              "into 1 named property. The BindingItem must have multiple source properties, must be after a "
              "ExprMultiParam in the glue chain. \r\n\r\n");
}

}  // namespace
