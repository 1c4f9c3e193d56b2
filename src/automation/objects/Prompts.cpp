#include "automation/objects/Prompts.h"

#include <iostream>

namespace tav {

namespace {
thread_local Prompts* t_current = nullptr;
constexpr std::string_view kInputMarker = "[input] ";
}  // namespace

int msgbox::defaultAnswer(int buttons) {
    // The buttons of each set, left to right.
    static constexpr int kAnswers[][3] = {
        {OK, OK, OK},           {OK, Cancel, Cancel}, {Abort, Retry, Ignore},
        {Yes, No, Cancel},      {Yes, No, No},        {Retry, Cancel, Cancel},
    };
    constexpr int kSets = sizeof kAnswers / sizeof kAnswers[0];
    const int set = buttons & ButtonsMask;
    const int which = (buttons & DefaultButtonMask) / DefaultButton2;
    if (set >= kSets || which > 2) return OK;
    return kAnswers[set][which];
}

HeadlessPrompts::HeadlessPrompts() : out_(&std::cerr) {}

int HeadlessPrompts::messageBox(std::string_view prompt, int buttons, std::string_view title) {
    if (!title.empty()) *out_ << title << ": ";
    *out_ << prompt << '\n';
    return msgbox::defaultAnswer(buttons);
}

std::string HeadlessPrompts::inputBox(std::string_view prompt, std::string_view title, std::string_view) {
    *out_ << kInputMarker;
    if (!title.empty()) *out_ << title << ": ";
    *out_ << prompt << '\n';
    return {};
}

Prompts& currentPrompts() {
    if (t_current) return *t_current;
    thread_local HeadlessPrompts headless;
    return headless;
}

PromptsScope::PromptsScope(Prompts& p) : previous_(t_current) { t_current = &p; }
PromptsScope::~PromptsScope() { t_current = previous_; }

}  // namespace tav
