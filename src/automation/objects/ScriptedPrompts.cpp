#include "automation/objects/ScriptedPrompts.h"

namespace tav {

int ScriptedPrompts::messageBox(std::string_view prompt, int buttons, std::string_view) {
    shown_.push_back(std::string(kMessagePrefix) + std::string(prompt));
    if (answers_.empty()) return msgbox::defaultAnswer(buttons);
    const int a = answers_.front();
    answers_.pop_front();
    return a;
}

std::string ScriptedPrompts::inputBox(std::string_view prompt, std::string_view, std::string_view) {
    shown_.push_back(std::string(kInputPrefix) + std::string(prompt));
    if (inputs_.empty()) return {};
    std::string a = std::move(inputs_.front());
    inputs_.pop_front();
    return a;
}

std::vector<std::string> ScriptedPrompts::takeShown() {
    std::vector<std::string> out;
    out.swap(shown_);
    return out;
}

}  // namespace tav
