#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace tav {

// The calls a binding notifier received, read as "PropertyChanged:NAME|AboutToChange|Changed".
// Reading empties it; it keeps only the newest calls (FrameworkText::LogLimit).
class NotifierLog {
public:
    enum class Call : uint8_t { PropertyChanged, AboutToChange, Changed };

    void record(Call call, std::string_view propertyName = {});
    // The calls since the last take, oldest first, joined by "|".
    std::string take();

private:
    struct Entry {
        Call call;
        std::string name;
    };
    std::deque<Entry> entries_;
};

}  // namespace tav
