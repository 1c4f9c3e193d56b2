// Finding the container root at WakeUp, firing on a true value, and the error wrapping.
#include "glues/GluPart_FireOrvaneCmd.h"

#include <gtest/gtest.h>

#include "GlueFakes.h"

namespace tav {
namespace {

using namespace fakes;

Ref<GluPart_FireOrvaneCmd> firing(const char* command) {
    Ref<GluPart_FireOrvaneCmd> g = makeRef<GluPart_FireOrvaneCmd>();
    g->InitProperties();
    g->SetCommandName(command);
    return g;
}

TEST(GluPart_FireOrvaneCmd, WakeUpFailures) {
    const std::string source = "5|GluPart_FireOrvaneCmd|";
    Ref<GluPart_FireOrvaneCmd> g = firing("Save");
    EXPECT_EQ(failure([&] { g->WakeUp(nullptr); }), source + "Expected pBindingItem to be set.");

    RunningBinding b;
    b.item->parent = nullptr;
    EXPECT_EQ(failure([&] { g->WakeUp(b.ref()); }),
              source + "Expected pBindingItem.Parent to be set.");
    b.item->parent = b.parent;
    b.parent->finder = nullptr;
    EXPECT_EQ(failure([&] { g->WakeUp(b.ref()); }),
              source + "Expected pBindingItem.Parent.ControlFinder to be set.");
    b.parent->finder = b.finder;
    b.finder->root = nullptr;
    EXPECT_EQ(failure([&] { g->WakeUp(b.ref()); }), source + "Could not locate Container Root.");
    EXPECT_EQ(b.finder->lookups, std::vector<std::string>{"Str:\"<ContainerRoot>\""});

    // Nothing was kept, so the next WakeUp looks again and succeeds.
    b.finder->root = b.root;
    EXPECT_EQ(failure([&] { g->WakeUp(b.ref()); }), "");
    EXPECT_EQ(print(store(*g, Variant::Bool(true))), "Bool:True");
    EXPECT_EQ(b.root->commands->runs, std::vector<std::string>{"Save"});
}

TEST(GluPart_FireOrvaneCmd, FiresOncePerTrueStorage) {
    struct Case {
        const char* value;
        size_t runs;
    };
    const Case cases[] = {{"Bool:True", 1},  {"I4:-1", 1}, {"I4:3", 1}, {"Str:\"True\"", 1},
                          {"Bool:False", 0}, {"I4:0", 0},  {"Null", 0}, {"Empty", 0}};
    for (const Case& c : cases) {
        RunningBinding b;
        Ref<GluPart_FireOrvaneCmd> g = firing("Refresh");
        g->WakeUp(b.ref());
        EXPECT_EQ(print(store(*g, lit(c.value))), c.value);  // storage goes on with the value
        EXPECT_EQ(b.root->commands->runs.size(), c.runs) << c.value;
        EXPECT_EQ(print(display(*g, lit(c.value))), c.value);
    }
}

TEST(GluPart_FireOrvaneCmd, FailuresComeBackWithTheCommandName) {
    RunningBinding b;
    Ref<GluPart_FireOrvaneCmd> g = firing("Save");
    g->WakeUp(b.ref());
    EXPECT_EQ(failure([&] { store(*g, lit("Str:\"abc\"")); }),
              "13|GluPart_FireOrvaneCmd/|Error executing command:'Save'\r\nType mismatch");
    b.root->commands->failWith = AutomationError(1234, "Host.Commands", "disk full");
    EXPECT_EQ(
        failure([&] { store(*g, Variant::Bool(true)); }),
        "1234|GluPart_FireOrvaneCmd/Host.Commands|Error executing command:'Save'\r\ndisk full");
}

TEST(GluPart_FireOrvaneCmd, DesignTimeWakeUpLooksNothingUp) {
    RunningBinding b;
    b.parent->designTime = true;
    b.parent->finder = nullptr;
    Ref<GluPart_FireOrvaneCmd> g = firing("Save");
    g->WakeUp(b.ref());
    EXPECT_EQ(failure([&] { store(*g, Variant::Bool(true)); }),
              "91|GluPart_FireOrvaneCmd/|Error executing command:'Save'\r\n"
              "Object variable or With block variable not set");
    EXPECT_EQ(failure([&] { store(*firing(""), Variant::Bool(true)); }),
              "91|GluPart_FireOrvaneCmd/|Error executing command:''\r\n"
              "Object variable or With block variable not set");
}

TEST(GluPart_FireOrvaneCmd, KeepsTheRootUntilTearDown) {
    RunningBinding b;
    const uint32_t unheld = b.root->refCount();
    Ref<GluPart_FireOrvaneCmd> g = firing("Save");
    g->WakeUp(b.ref());
    EXPECT_EQ(b.root->refCount(), unheld + 1);
    g->WakeUp(b.ref());
    g->WakeUp(nullptr);  // a held root means nothing is checked
    EXPECT_EQ(b.item->parentCalls, 1);
    g->TearDown();
    EXPECT_EQ(b.root->refCount(), unheld);
    g->WakeUp(b.ref());
    EXPECT_EQ(b.item->parentCalls, 2);
    EXPECT_EQ(b.finder->lookups.size(), 2u);
}

TEST(GluPart_FireOrvaneCmd, NoticesAndBag) {
    Ref<GluPart_FireOrvaneCmd> g = makeRef<GluPart_FireOrvaneCmd>();
    EXPECT_EQ(memberList(GluPart_FireOrvaneCmd::table()), "CommandName:String");
    Notices notices(*g);
    let(*g, "CommandName", Variant("Print"));
    EXPECT_EQ(notices.take(), "CommandName");
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    g->WriteProperties(bag);
    EXPECT_EQ(bag->Text(), "# TAVParts property bag\nCommandName = Str:\"Print\"\n");
    Ref<GluPart_FireOrvaneCmd> loaded = makeRef<GluPart_FireOrvaneCmd>();
    loaded->ReadProperties(bag);
    EXPECT_EQ(loaded->CommandName(), "Print");
    loaded->ReadProperties(makeRef<PropertyBag>());
    EXPECT_EQ(loaded->CommandName(), "");
}

}  // namespace
}  // namespace tav
