#pragma once
#include <iosfwd>
#include <string>
#include <string_view>

// Message boxes and input boxes. Everything that asks the user goes through the thread's
// current Prompts, so that a host shows real dialogs, a headless run does not block, and
// tests script the answers (ScriptedPrompts.h).
namespace tav {

// Button sets, icons and default buttons of a message box, combined by adding them.
namespace msgbox {
constexpr int OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5;
constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
constexpr int DefaultButton1 = 0, DefaultButton2 = 256, DefaultButton3 = 512;
constexpr int ButtonsMask = 7, DefaultButtonMask = 768;
// Answers.
constexpr int OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;

// The answer of pressing the default button of a message box with these flags.
int defaultAnswer(int buttons);
}  // namespace msgbox

class Prompts {
public:
    virtual ~Prompts() = default;
    // Shows a message; returns the button pressed (msgbox::OK, ...).
    virtual int messageBox(std::string_view prompt, int buttons = msgbox::OKOnly, std::string_view title = {}) = 0;
    // Asks for a line of text; an empty string means the user cancelled.
    virtual std::string inputBox(std::string_view prompt, std::string_view title = {},
                                 std::string_view defaultText = {}) = 0;
};

// The default when nobody is there: messages go to a stream (standard error), each message
// box is answered with its default button, each input box with "cancel".
class HeadlessPrompts : public Prompts {
public:
    HeadlessPrompts();
    explicit HeadlessPrompts(std::ostream& out) : out_(&out) {}
    int messageBox(std::string_view prompt, int buttons, std::string_view title) override;
    std::string inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) override;

private:
    std::ostream* out_;
};

// The prompts of the calling thread: a HeadlessPrompts unless a PromptsScope put others in place.
Prompts& currentPrompts();

// Puts prompts in place for the thread while the scope lives (scopes nest).
class PromptsScope {
public:
    explicit PromptsScope(Prompts& p);
    ~PromptsScope();
    PromptsScope(const PromptsScope&) = delete;
    PromptsScope& operator=(const PromptsScope&) = delete;

private:
    Prompts* previous_;
};

}  // namespace tav
