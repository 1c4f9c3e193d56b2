#pragma once
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "automation/values/ShortText.h"

namespace tav {

// A handful of recently compiled things keyed by their source text, for one thread. Formats are
// few and reused over and over (a form shows the same format on every refresh), so a tiny
// round-robin table beats a hash map; keys are compared by content, never by address.
// The reference get() returns stays valid until the next get() on the same cache.
template <class T, size_t Slots, size_t MaxKeyLength = 256>
class CompileCache {
  public:
    template <class Compile>
    const T& get(std::string_view key, Compile&& compile) {
        if (key.size() > MaxKeyLength) {  // huge keys are compiled each time, never kept
            uncached_ = std::make_unique<T>(compile(key));
            return *uncached_;
        }
        if (entries_[last_].matches(key)) return *entries_[last_].value;
        for (size_t i = 0; i < Slots; ++i) {
            if (entries_[i].matches(key)) {
                last_ = i;
                return *entries_[i].value;
            }
        }
        auto value = std::make_unique<T>(compile(key));
        Entry& e = entries_[next_];
        e.key.assign(key);
        e.value = std::move(value);
        last_ = next_;
        next_ = (next_ + 1) % Slots;
        return *e.value;
    }

  private:
    struct Entry {
        std::string key;
        std::unique_ptr<T> value;
        bool matches(std::string_view k) const noexcept { return value && shorttext::same(key, k); }
    };
    std::array<Entry, Slots> entries_;
    size_t last_ = 0;
    size_t next_ = 0;
    std::unique_ptr<T> uncached_;
};

}  // namespace tav
