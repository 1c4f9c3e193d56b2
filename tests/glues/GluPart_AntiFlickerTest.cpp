// The display stops only when the control already shows the value.
#include "glues/GluPart_AntiFlicker.h"

#include <gtest/gtest.h>

#include "GlueFakes.h"

namespace tav {
namespace {

using namespace fakes;

TEST(GluPart_AntiFlicker, StopsWhenTheControlShowsTheValueAlready) {
    struct Case {
        const char* control;
        const char* value;
        bool stops;
    };
    const Case cases[] = {
        {"Str:\"12.50\"", "R8:12.5", true},
        {"Str:\"12.50\"", "R8:12.6", false},
        {"Str:\"2.0\"", "I4:2", true},
        {"Str:\"abc\"", "Str:\"ABC\"", false},
        {"Empty", "Empty", true},
        {"Str:\"\"", "Empty", false},
        {"Empty", "Str:\"\"", false},
        {"Bool:True", "Bool:True", true},
        {"Null", "Null", true},
        // A value that cannot be compared with the control's lets the display go ahead.
        {"Error:0x800A0005", "Str:\"x\"", false},
    };
    RunningBinding b;
    Ref<GluPart_AntiFlicker> g = makeRef<GluPart_AntiFlicker>();
    g->WakeUp(b.ref());
    for (const Case& c : cases) {
        b.control->value = lit(c.control);
        Variant v = lit(c.value);
        EXPECT_EQ(failure([&] { g->TransformForDisplay(v); }), c.stops ? stopCycle() : "")
            << c.control << " / " << c.value;
        EXPECT_EQ(print(v), c.value);
    }
}

TEST(GluPart_AntiFlicker, PassesEverythingWithoutAReadableControl) {
    RunningBinding b;
    b.control->value = lit("R8:1");
    const uint32_t unheld = b.control->refCount();
    Ref<GluPart_AntiFlicker> g = makeRef<GluPart_AntiFlicker>();
    EXPECT_EQ(print(display(*g, lit("R8:1"))), "R8:1");  // before WakeUp

    g->WakeUp(b.ref());
    b.control->unreadable = true;
    EXPECT_EQ(print(display(*g, lit("R8:1"))), "R8:1");
    b.control->unreadable = false;
    EXPECT_EQ(failure([&] { display(*g, lit("R8:1")); }), stopCycle());

    g->TearDown();
    EXPECT_EQ(b.control->refCount(), unheld);  // the glue let go of the control part
    EXPECT_EQ(print(display(*g, lit("R8:1"))), "R8:1");

    b.item->control = nullptr;  // a binding without a control part
    g->WakeUp(b.ref());
    EXPECT_EQ(print(display(*g, lit("R8:1"))), "R8:1");
}

TEST(GluPart_AntiFlicker, WakeUpNeedsABindingItemAndStorageIsUntouched) {
    Ref<GluPart_AntiFlicker> g = makeRef<GluPart_AntiFlicker>();
    EXPECT_EQ(failure([&] { g->WakeUp(nullptr); }),
              "91||Object variable or With block variable not set");
    RunningBinding b;
    b.control->value = lit("R8:1");
    g->WakeUp(b.ref());
    EXPECT_EQ(print(store(*g, lit("R8:1"))), "R8:1");
    EXPECT_TRUE(GluPart_AntiFlicker::table().defaultInterface().members().empty());
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    g->WriteProperties(bag);
    EXPECT_EQ(bag->Count(), 0);
}

}  // namespace
}  // namespace tav
