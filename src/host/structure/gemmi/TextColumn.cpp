#include "host/structure/gemmi/TextColumn.h"

#include <algorithm>
#include <cstring>

namespace tav::structure {

namespace {

constexpr size_t kPackedBytes = 7;

// A text of up to 7 bytes as one word: its length in the low byte, its bytes above.
uint64_t pack(std::string_view text) {
    uint64_t key = text.size();
    uint64_t bytes = 0;
    if (!text.empty()) std::memcpy(&bytes, text.data(), text.size());
    return key | (bytes << 8);
}

constexpr size_t kFirstSlots = 64;
constexpr uint64_t kMix = 0x9E3779B97F4A7C15ull;

size_t slot(uint64_t key, size_t mask) { return static_cast<size_t>((key * kMix) >> 32) & mask; }

}  // namespace

uint32_t TextColumnBuilder::newCode(std::string_view text) {
    const auto code = static_cast<uint32_t>(column_.texts.size());
    column_.texts.emplace_back(text);
    return code;
}

uint32_t TextColumnBuilder::codeOf(std::string_view text) {
    if (text.size() > kPackedBytes) {
        const auto it = long_.find(std::string(text));
        if (it != long_.end()) return it->second;
        const uint32_t code = newCode(text);
        long_.emplace(std::string(text), code);
        return code;
    }
    const uint64_t key = pack(text);
    if (key == lastKey_) return lastCode_;
    lastKey_ = key;
    lastCode_ = shortCode(key, text);
    return lastCode_;
}

uint32_t TextColumnBuilder::shortCode(uint64_t key, std::string_view text) {
    if ((shortCount_ + 1) * 2 > slots_.size()) growSlots();
    const size_t mask = slots_.size() - 1;
    for (size_t i = slot(key, mask);; i = (i + 1) & mask) {
        if (slots_[i].key == key) return slots_[i].code;
        if (slots_[i].key == kEmptySlot) {
            slots_[i] = Slot{key, newCode(text)};
            ++shortCount_;
            return slots_[i].code;
        }
    }
}

void TextColumnBuilder::growSlots() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(std::max<size_t>(kFirstSlots, old.size() * 2), Slot{});
    const size_t mask = slots_.size() - 1;
    for (const Slot& s : old) {
        if (s.key == kEmptySlot) continue;
        size_t i = slot(s.key, mask);
        while (slots_[i].key != kEmptySlot) i = (i + 1) & mask;
        slots_[i] = s;
    }
}

TextColumn TextColumnBuilder::finish() {
    TextColumn out = std::move(column_);
    out.codes.shrink_to_fit();
    *this = TextColumnBuilder();
    return out;
}

}  // namespace tav::structure
