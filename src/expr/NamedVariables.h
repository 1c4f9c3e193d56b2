#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "automation/values/ShortText.h"
#include "automation/values/Variant.h"

namespace tav {

// The evaluator's named variables: exact (case-sensitive) names, kept in insertion order.
// Variables are only ever added or replaced, never removed, so a variable's position is
// stable for the life of the table: the evaluator remembers positions per token and reads
// values without looking names up again.
class NamedVariables {
public:
    static constexpr int32_t NotFound = -1;

    int32_t count() const noexcept { return static_cast<int32_t>(entries_.size()); }
    // Position (0-based, insertion order) of a name, or NotFound.
    int32_t find(std::string_view name) const noexcept;
    // Creates the variable or replaces its value; returns its position.
    int32_t let(std::string_view name, const Variant& value) {
        // The glues set the same variable before every evaluation: try the last one found first.
        if (lastFound_ != NotFound) {
            Entry& last = entries_[static_cast<size_t>(lastFound_)];
            if (shorttext::same(last.name, name)) {
                last.value = value;
                return lastFound_;
            }
        }
        return letOther(name, value);
    }

    const std::string& nameAt(int32_t position) const { return entries_[static_cast<size_t>(position)].name; }
    const Variant& valueAt(int32_t position) const { return entries_[static_cast<size_t>(position)].value; }

private:
    int32_t letOther(std::string_view name, const Variant& value);

    struct Entry {
        std::string name;
        Variant value;
    };
    // Lookup by string_view without building a std::string.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };
    struct NameEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const noexcept { return a == b; }
    };

    std::vector<Entry> entries_;
    std::unordered_map<std::string, int32_t, NameHash, NameEqual> index_;
    // The position find() or let() found last.
    mutable int32_t lastFound_ = NotFound;
};

}  // namespace tav
