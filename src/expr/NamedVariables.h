#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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
            if (sameName(last.name, name)) {
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

    // Names are short: compared a word at a time, without a library call.
    static bool sameName(std::string_view a, std::string_view b) noexcept {
        if (a.size() != b.size()) return false;
        const char* p = a.data();
        const char* q = b.data();
        size_t n = a.size();
        if (n < sizeof(uint32_t)) {
            for (size_t i = 0; i < n; ++i)
                if (p[i] != q[i]) return false;
            return true;
        }
        if (n <= sizeof(uint64_t)) {  // the first and the last four bytes, overlapping
            return word<uint32_t>(p) == word<uint32_t>(q) &&
                   word<uint32_t>(p + n - sizeof(uint32_t)) == word<uint32_t>(q + n - sizeof(uint32_t));
        }
        for (; n > sizeof(uint64_t); p += sizeof(uint64_t), q += sizeof(uint64_t), n -= sizeof(uint64_t))
            if (word<uint64_t>(p) != word<uint64_t>(q)) return false;
        return word<uint64_t>(p + n - sizeof(uint64_t)) == word<uint64_t>(q + n - sizeof(uint64_t));
    }
    template <class Word>
    static Word word(const char* p) noexcept {
        Word w;
        std::memcpy(&w, p, sizeof w);
        return w;
    }

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
