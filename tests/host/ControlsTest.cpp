// The host's controls keep what a real one would: text, a Boolean, a combo box's text and list.
#include <gtest/gtest.h>

#include <functional>

#include "automation/values/AutomationError.h"
#include "automation/objects/Invoke.h"
#include "automation/values/TypedLiteral.h"
#include "host/controls/CheckBox.h"
#include "host/controls/ComboBox.h"
#include "host/controls/TextBox.h"
#include "support/ErrorOf.h"

namespace tav {
namespace {

using testing_support::errorOf;

TEST(TextBox, KeepsTheShownValueAsText) {
    struct Case {
        Variant shown;
        const char* text;
    };
    const Case cases[] = {
        {Variant::R8(2500), "2500"}, {Variant::R8(0.1), "0.1"},   {Variant::Null(), ""},
        {Variant(), ""},             {Variant::Bool(true), "True"}, {Variant("12.50"), "12.50"},
    };
    Ref<TextBox> box = makeRef<TextBox>();
    for (const Case& c : cases) {
        box->Show(c.shown);
        EXPECT_EQ(literal::print(box->CurrentValue()), literal::print(Variant(c.text))) << literal::print(c.shown);
    }
    // What a text box cannot show leaves it as it was.
    EXPECT_EQ(errorOf([&] { box->Show(Variant(makeRef<TextBox>())); }), err::TypeMismatch);
    EXPECT_EQ(box->text(), "12.50");
}

TEST(CheckBox, KeepsABooleanAndRefusesWhatIsNone) {
    Ref<CheckBox> check = makeRef<CheckBox>();
    check->Show(Variant::I4(-1));
    EXPECT_EQ(literal::print(check->CurrentValue()), "Bool:True");
    check->Show(Variant("False"));
    EXPECT_EQ(literal::print(check->CurrentValue()), "Bool:False");
    check->Show(Variant::Bool(true));
    EXPECT_NE(errorOf([&] { check->Show(Variant("maybe")); }), 0);
    EXPECT_NE(errorOf([&] { check->Show(Variant::Null()); }), 0);
    EXPECT_TRUE(check->Value());
}

TEST(ComboBox, ListOperationsKeepTheSelectionOnItsItem) {
    Ref<ComboBox> combo = makeRef<ComboBox>();
    combo->AddItem("A", missingArg());
    combo->AddItem("C", missingArg());
    combo->AddItem("B", Variant::I2(1));
    EXPECT_EQ(combo->Items(), "A|B|C");
    EXPECT_EQ(combo->ListCount(), 3);

    combo->Show(Variant("C"));
    EXPECT_EQ(combo->ListIndex(), 2);
    combo->RemoveItem(0);
    EXPECT_EQ(combo->ListIndex(), 1);  // still on C
    combo->AddItem("A", Variant::I2(0));
    EXPECT_EQ(combo->ListIndex(), 2);
    combo->SetListIndex(0);
    EXPECT_EQ(combo->Text(), "A");
    combo->Show(Variant("typed"));  // no such item: nothing selected, the text stays
    EXPECT_EQ(combo->ListIndex(), ComboBox::NoSelection);
    EXPECT_EQ(literal::print(combo->CurrentValue()), "Str:\"typed\"");

    for (auto bad : {std::function<void()>([&] { combo->RemoveItem(3); }),
                     std::function<void()>([&] { combo->AddItem("x", Variant::I2(4)); }),
                     std::function<void()>([&] { combo->List(-1); }),
                     std::function<void()>([&] { combo->SetListIndex(5); })})
        EXPECT_EQ(errorOf(bad), err::InvalidProcedureCall);

    std::vector<Variant> index{Variant::I4(1)};
    EXPECT_EQ(literal::print(invoke(*combo, "List", InvokeKind::PropertyGet, index)), "Str:\"B\"");
    combo->Clear();
    EXPECT_EQ(combo->ListCount(), 0);
    EXPECT_EQ(combo->Text(), "");
}

}  // namespace
}  // namespace tav
