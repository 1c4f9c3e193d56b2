#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>

// Equality of short texts (variable names, format strings), compared a few whole words at a
// time instead of through a library call: the lookups that run on every evaluation or every
// format compare texts of a handful of characters against the one they found last time.
namespace tav::shorttext {

namespace detail {
template <class Word>
Word word(const char* p) noexcept {
    Word w;
    std::memcpy(&w, p, sizeof w);
    return w;
}
}  // namespace detail

inline bool same(std::string_view a, std::string_view b) noexcept {
    using detail::word;
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

}  // namespace tav::shorttext
