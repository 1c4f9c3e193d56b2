// The combo box adapter keeps its list, selection and text as the host's combo box does, which
// is what the combo loader relies on (Qt on its own would select items by itself).
#include "qt/ComboBoxControl.h"

#include <gtest/gtest.h>

#include <functional>

#include "host/controls/ComboBox.h"
#include "support/ErrorOf.h"

namespace tav {
namespace {

using testing_support::errorOf;

TEST(ComboBoxControl, KeepsListSelectionTextAndRevisionAsTheHostsComboBox) {
    QComboBox widget;
    Ref<ComboBoxControl> qt = makeRef<ComboBoxControl>(widget);
    Ref<ComboBox> host = makeRef<ComboBox>();
    const std::function<void(iTAVComboBox&)> steps[] = {
        [](iTAVComboBox& c) { c.AddItem("b", missingArg()); },  // Qt would select it
        [](iTAVComboBox& c) { c.AddItem("a", Variant::I2(0)); },
        [](iTAVComboBox& c) { dynamic_cast<Control&>(c).Show(Variant("b")); },
        [](iTAVComboBox& c) { c.AddItem("c", Variant::I2(0)); },  // the selection follows its item
        [](iTAVComboBox& c) { c.RemoveItem(0); },
        [](iTAVComboBox& c) { c.RemoveItem(1); },  // the selected item: its text stays shown
        [](iTAVComboBox& c) { dynamic_cast<Control&>(c).Show(Variant("none such")); },
        [](iTAVComboBox& c) { dynamic_cast<Control&>(c).Show(Variant::Null()); },
        [](iTAVComboBox& c) { c.Clear(); },
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        const uint64_t before = qt->ListRevision();
        steps[i](*qt);
        steps[i](*host);
        EXPECT_EQ(qt->ListCount(), host->ListCount());
        EXPECT_EQ(qt->ListIndex(), host->ListIndex());
        EXPECT_EQ(qt->Text(), host->Text());
        for (int16_t n = 0; n < host->ListCount(); ++n) EXPECT_EQ(qt->List(n), host->List(n));
        EXPECT_EQ(qt->ListRevision() != before,
                  i != 2 && i != 6 && i != 7);  // shows leave the list alone
    }
    EXPECT_EQ(errorOf([&] { qt->RemoveItem(0); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { qt->AddItem("x", Variant::I2(2)); }), err::InvalidProcedureCall);

    // A control whose widget is gone shows nothing and holds nothing.
    auto* gone = new QComboBox;
    Ref<ComboBoxControl> orphan = makeRef<ComboBoxControl>(*gone);
    delete gone;
    EXPECT_EQ(errorOf([&] { orphan->Show(Variant("a")); }), err::ObjectNotSet);
    EXPECT_TRUE(orphan->CurrentValue().isEmpty());
}

}  // namespace
}  // namespace tav
