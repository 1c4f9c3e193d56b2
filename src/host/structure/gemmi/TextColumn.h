#pragma once
// Plain C++17 (see AtomSite.h).
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tav::structure {

// The texts of a column by code: each distinct text is kept once, a row holds its code.
struct TextColumn {
    std::vector<uint32_t> codes;
    std::vector<std::string> texts;

    const std::string& at(size_t row) const { return texts[codes[row]]; }
};

// Fills a TextColumn row by row. Structure files repeat a few texts (atom names, elements,
// altlocs) a million times: short texts are looked up by their bytes packed in one word, and
// a run of the same text costs one comparison.
class TextColumnBuilder {
  public:
    void reserve(size_t rows) { column_.codes.reserve(rows); }
    void add(std::string_view text) { column_.codes.push_back(codeOf(text)); }
    size_t size() const { return column_.codes.size(); }
    // The column; the builder starts empty again.
    TextColumn finish();

  private:
    uint32_t codeOf(std::string_view text);
    uint32_t newCode(std::string_view text);

    // Texts of up to 7 bytes by their packed key, in an open-addressed table (a power of two of
    // slots, at most half full); longer ones in a map.
    struct Slot {
        uint64_t key = kEmptySlot;
        uint32_t code = 0;
    };
    static constexpr uint64_t kEmptySlot = ~uint64_t{0};
    uint32_t shortCode(uint64_t key, std::string_view text);
    void growSlots();

    TextColumn column_;
    std::vector<Slot> slots_;
    size_t shortCount_ = 0;
    std::unordered_map<std::string, uint32_t> long_;
    uint64_t lastKey_ = ~uint64_t{0};
    uint32_t lastCode_ = 0;
};

}  // namespace tav::structure
