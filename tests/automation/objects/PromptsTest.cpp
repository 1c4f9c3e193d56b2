// Prompts: the headless default never blocks, the scripted fake records and answers.
#include <gtest/gtest.h>

#include <sstream>

#include "automation/objects/ScriptedPrompts.h"

namespace tav {
namespace {

TEST(Prompts, HeadlessAnswersDefaultButtonAndCancel) {
    std::ostringstream out;
    HeadlessPrompts h(out);
    EXPECT_EQ(h.messageBox("Hello", msgbox::OKOnly, "Title"), msgbox::OK);
    EXPECT_EQ(h.messageBox("Sure?", msgbox::YesNo + msgbox::DefaultButton2, {}), msgbox::No);
    EXPECT_EQ(h.messageBox("Again?", msgbox::AbortRetryIgnore + msgbox::DefaultButton3, {}), msgbox::Ignore);
    EXPECT_EQ(h.inputBox("Path?", {}, "x"), "");
    EXPECT_EQ(out.str(), "Title: Hello\nSure?\nAgain?\n[input] Path?\n");
}

TEST(Prompts, ScopesSwapTheThreadsPrompts) {
    ScriptedPrompts fake;
    {
        PromptsScope scope(fake);
        fake.queueInput("/opt/host");
        EXPECT_EQ(currentPrompts().inputBox("Where?", {}, {}), "/opt/host");
        EXPECT_EQ(currentPrompts().inputBox("Where now?", {}, {}), "");  // nothing queued: cancel
        fake.queueMessageAnswer(msgbox::Cancel);
        EXPECT_EQ(currentPrompts().messageBox("Oops", msgbox::OKCancel, {}), msgbox::Cancel);
    }
    EXPECT_NE(&currentPrompts(), &fake);
    EXPECT_EQ(fake.takeShown(), (std::vector<std::string>{"input:Where?", "input:Where now?", "msg:Oops"}));
    EXPECT_TRUE(fake.takeShown().empty());
}

}  // namespace
}  // namespace tav
