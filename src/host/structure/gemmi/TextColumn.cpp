#include "host/structure/gemmi/TextColumn.h"

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
    const auto [it, added] = short_.try_emplace(key, 0);
    if (added) it->second = newCode(text);
    lastKey_ = key;
    lastCode_ = it->second;
    return lastCode_;
}

TextColumn TextColumnBuilder::finish() {
    TextColumn out = std::move(column_);
    out.codes.shrink_to_fit();
    *this = TextColumnBuilder();
    return out;
}

}  // namespace tav::structure
