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
    void clear() noexcept { words_.clear(); }
    bool empty() const noexcept { return words_.empty(); }
    size_t bytes() const noexcept { return words_.capacity() * sizeof(uint64_t); }

  private:
    std::vector<uint64_t> words_;
};

}  // namespace tav::hostmodel
