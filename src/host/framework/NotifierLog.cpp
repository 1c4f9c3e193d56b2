#include "host/framework/NotifierLog.h"

#include "host/framework/FrameworkText.h"

namespace tav {

namespace T = FrameworkText;

void NotifierLog::add(Call call, std::string_view propertyName) {
    if (entries_.size() >= T::LogLimit) entries_.pop_front();
    entries_.push_back(Entry{call, std::string(propertyName)});
}

std::string NotifierLog::take() {
    std::string out;
    for (const Entry& e : entries_) {
        if (!out.empty()) out += T::ListSeparator;
        switch (e.call) {
            case Call::PropertyChanged:
                out += T::LogPropertyChanged;
                out += e.name;
                break;
            case Call::AboutToChange:
                out += T::LogAboutToChange;
                break;
            case Call::Changed:
                out += T::LogChanged;
                break;
        }
    }
    entries_.clear();
    return out;
}

}  // namespace tav
