#pragma once
#include <deque>
#include <string>
#include <vector>

#include "automation/objects/Prompts.h"

namespace tav {

// Prompts for tests and scripts: records what was shown ("msg:TEXT", "input:TEXT") and
// answers from queues. An input box with no queued answer cancels (""); a message box with
// no queued answer takes its default button.
class ScriptedPrompts : public Prompts {
public:
    static constexpr std::string_view kMessagePrefix = "msg:";
    static constexpr std::string_view kInputPrefix = "input:";

    int messageBox(std::string_view prompt, int buttons, std::string_view title) override;
    std::string inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) override;

    void queueInput(std::string answer) { inputs_.push_back(std::move(answer)); }
    void queueMessageAnswer(int answer) { answers_.push_back(answer); }
    // What was shown since the last call, oldest first.
    std::vector<std::string> takeShown();
    const std::vector<std::string>& shown() const { return shown_; }

private:
    std::deque<std::string> inputs_;
    std::deque<int> answers_;
    std::vector<std::string> shown_;
};

}  // namespace tav
