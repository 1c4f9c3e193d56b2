#pragma once
#include <cstdint>
#include <vector>

namespace tav::hostmodel {

// One bit per row, all clear until set; rows beyond the stored words read as clear.
class RowBits {
  public:
    bool test(uint32_t row) const noexcept {
        const size_t w = row >> 6;
        return w < words_.size() && ((words_[w] >> (row & 63)) & 1u);
    }
    void set(uint32_t row, bool on) {
        const size_t w = row >> 6;
        if (w >= words_.size()) {
            if (!on) return;
            words_.resize(w + 1);
        }
        const uint64_t mask = uint64_t{1} << (row & 63);
        words_[w] = on ? (words_[w] | mask) : (words_[w] & ~mask);
    }
    // Makes room for `rows` rows at once (bulk writes).
    void reserveRows(uint32_t rows) {
        const size_t w = (static_cast<size_t>(rows) + 63) >> 6;
        if (w > words_.size()) words_.resize(w);
    }
    // Sets rows 0..rows-1 (bulk filling).
    void fillRows(uint32_t rows) {
        reserveRows(rows);
        const size_t full = rows >> 6;
        for (size_t w = 0; w < full; ++w) words_[w] = ~uint64_t{0};
        if (rows & 63) words_[full] |= (uint64_t{1} << (rows & 63)) - 1;
    }
    // Whether rows 0..rows-1 are all set.
    bool allSet(uint32_t rows) const noexcept {
        const size_t full = rows >> 6;
        if (words_.size() < full + ((rows & 63) ? 1 : 0)) return false;
        for (size_t w = 0; w < full; ++w)
            if (words_[w] != ~uint64_t{0}) return false;
        const uint64_t mask = (uint64_t{1} << (rows & 63)) - 1;
        return (rows & 63) == 0 || (words_[full] & mask) == mask;
    }
    void clear() noexcept { words_.clear(); }
    bool empty() const noexcept { return words_.empty(); }
    size_t bytes() const noexcept { return words_.capacity() * sizeof(uint64_t); }

  private:
    std::vector<uint64_t> words_;
};

}  // namespace tav::hostmodel
