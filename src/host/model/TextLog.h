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
        for (const std::string& e : entries_) {
            if (!out.empty()) out += Separator;
            out += e;
        }
        entries_.clear();
        return out;
    }

  private:
    std::deque<std::string> entries_;
};

}  // namespace tav::hostmodel
