#pragma once
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace tav::hostmodel {

// What a host object reports to tests since they last asked ("a|b|c"). Reading empties it; it
// keeps only the newest entries, so an object nobody asks does not grow without end.
class TextLog {
  public:
    static constexpr size_t Limit = 1000;
    static constexpr std::string_view Separator = "|";

    void record(std::string entry) {
        if (entries_.size() == Limit) entries_.pop_front();
        entries_.push_back(std::move(entry));
    }
    std::string take() {
        std::string out;
        for (size_t i = 0; i < entries_.size(); ++i) {
            // Every entry after the first is separated, an empty one too.
            if (i > 0) out += Separator;
            out += entries_[i];
        }
        entries_.clear();
        return out;
    }

  private:
    std::deque<std::string> entries_;
};

}  // namespace tav::hostmodel
