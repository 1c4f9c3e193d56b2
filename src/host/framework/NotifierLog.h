#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace tav {

// The calls a binding notifier received, read as "PropertyChanged:NAME|AboutToChange|Changed".
// Reading empties it; it keeps only the newest calls (FrameworkText::LogLimit). A log switched
// off records nothing (an application's form, which nobody reads the log of).
class NotifierLog {
public:
    enum class Call : uint8_t { PropertyChanged, AboutToChange, Changed };

    void record(Call call, std::string_view propertyName = {}) {
        if (on_) add(call, propertyName);
    }
    void switchOn(bool on) { on_ = on; }
    bool isOn() const { return on_; }
    // The calls since the last take, oldest first, joined by "|".
    std::string take();

private:
    struct Entry {
        Call call;
        std::string name;
    };
    void add(Call call, std::string_view propertyName);

    std::deque<Entry> entries_;
    bool on_ = true;
};

}  // namespace tav
