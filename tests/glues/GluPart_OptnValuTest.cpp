// The single option value: matching on display, storing only the switched-on value.
#include "glues/GluPart_OptnValu.h"

#include <gtest/gtest.h>

#include "GlueFakes.h"

namespace tav {
namespace {

using namespace fakes;

Ref<GluPart_OptnValu> option(const char* value, bool show = true) {
    Ref<GluPart_OptnValu> g = makeRef<GluPart_OptnValu>();
    g->InitProperties();
    let(*g, "OptionValue", lit(value));
    let(*g, "ValueToShow", Variant::Bool(show));
    return g;
}

TEST(GluPart_OptnValu, MemberTable) {
    EXPECT_EQ(memberList(GluPart_OptnValu::table()), "OptionValue:Variant ValueToShow:Boolean");
    const InterfaceDesc& i = GluPart_OptnValu::table().defaultInterface();
    const std::string& help = i.find("OptionValue")->help;
    EXPECT_EQ(help.rfind("A single string or integer value. (Assuming ValueToShow=True)...", 0),
              0u);
    EXPECT_TRUE(
        help.ends_with("values,  False is shown. \r\nIf the UI Value is True the OptionValue is "
                       "stored, otherwise stor"));
    EXPECT_NE(i.find("ValueToShow")->help.find("Default = True.\r\nAt storgae time,  if"),
              std::string::npos);
}

TEST(GluPart_OptnValu, OptionValueIsKeptAsANumberWhenItReadsAsOne) {
    struct Case {
        const char* set;
        const char* kept;
    };
    const Case cases[] = {{"Str:\"2\"", "I4:2"},          {"Str:\"2.5\"", "R8:2.5"},
                          {"Str:\"abc\"", "Str:\"abc\""}, {"R8:3", "I4:3"},
                          {"Bool:True", "I4:-1"},         {"Null", "Null"}};
    for (const Case& c : cases) {
        Ref<GluPart_OptnValu> g = makeRef<GluPart_OptnValu>();
        Notices notices(*g);
        let(*g, "OptionValue", lit(c.set));
        EXPECT_EQ(print(get(*g, "OptionValue")), c.kept) << c.set;
        EXPECT_EQ(notices.take(), "OptionValue");
    }
}

TEST(GluPart_OptnValu, ShowsWhetherTheValueMatches) {
    struct Case {
        const char* value;
        bool matches;
    };
    const Case cases[] = {{"I4:2", true},  {"Str:\"2\"", true}, {"R8:2.000001", true},
                          {"I4:3", false}, {"Empty", false},    {"Str:\"two\"", false}};
    for (bool show : {true, false}) {
        Ref<GluPart_OptnValu> g = option("I4:2", show);
        for (const Case& c : cases)
            EXPECT_EQ(print(display(*g, lit(c.value))),
                      c.matches == show ? "Bool:True" : "Bool:False")
                << c.value << " show " << show;
    }
}

TEST(GluPart_OptnValu, StoresTheOptionValueOnlyWhenTheControlShowsValueToShow) {
    struct Case {
        bool show;
        const char* control;
        const char* stored;  // nullptr: the cycle stops
    };
    const Case cases[] = {
        {true, "Bool:True", "Str:\"Red\""}, {true, "Bool:False", nullptr},
        {true, "I4:-1", "Str:\"Red\""},     {false, "Bool:False", "Str:\"Red\""},
        {false, "Bool:True", nullptr},
    };
    for (const Case& c : cases) {
        Ref<GluPart_OptnValu> g = option("Str:\"Red\"", c.show);
        if (c.stored) {
            EXPECT_EQ(print(store(*g, lit(c.control))), c.stored) << c.control;
        } else {
            EXPECT_EQ(failure([&] { store(*g, lit(c.control)); }), stopCycle()) << c.control;
        }
    }
    EXPECT_EQ(failure([&] { store(*option("I4:1"), lit("Str:\"abc\"")); }), "13||Type mismatch");
}

TEST(GluPart_OptnValu, StoredOptionValueIsACopy) {
    Ref<GluPart_OptnValu> g = option("Str:\"Red\"");
    Variant v = Variant::Bool(true);
    g->InvTransformForStorage(v);
    v = Variant("Blue");
    EXPECT_EQ(print(g->OptionValue()), "Str:\"Red\"");
}

TEST(GluPart_OptnValu, Bag) {
    Ref<GluPart_OptnValu> g = makeRef<GluPart_OptnValu>();
    EXPECT_EQ(print(g->OptionValue()), "Str:\"\"");
    EXPECT_TRUE(g->ValueToShow());
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    g->WriteProperties(bag);
    EXPECT_EQ(bag->Count(), 0);
    g->SetOptionValue(Variant("7"));
    g->SetValueToShow(false);
    g->WriteProperties(bag);
    EXPECT_EQ(bag->Keys(), "OptionValue|ValueToShow");
    EXPECT_EQ(print(bag->read("OptionValue")), "I4:7");

    // Read back as saved: no CNum for the option value, a Boolean for ValueToShow.
    bag->write("OptionValue", lit("Str:\"7\""));
    bag->write("ValueToShow", lit("I4:0"));
    Ref<GluPart_OptnValu> loaded = makeRef<GluPart_OptnValu>();
    loaded->ReadProperties(bag);
    EXPECT_EQ(print(loaded->OptionValue()), "Str:\"7\"");
    EXPECT_EQ(print(get(*loaded, "ValueToShow")), "Bool:False");
    loaded->ReadProperties(makeRef<PropertyBag>());
    EXPECT_EQ(print(loaded->OptionValue()), "Str:\"\"");
    EXPECT_TRUE(loaded->ValueToShow());
}

}  // namespace
}  // namespace tav
