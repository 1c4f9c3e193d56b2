#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "automation/values/Variant.h"

namespace tav::hostmodel {

// The distinct texts of a text column, each kept once and named by a code. It only grows, so
// a code taken from it stays valid for whoever shares it (an undo record, say).
class TextDictionary {
  public:
    // The code of the text, added when it is new.
    uint32_t codeOf(const Variant& text);
    bool contains(std::string_view text) const { return codes_.count(text) != 0; }
    const Variant& text(uint32_t code) const { return texts_[code]; }
    size_t size() const { return texts_.size(); }
    std::span<const Variant> texts() const { return texts_; }
    size_t bytes() const;

  private:
    std::vector<Variant> texts_;
    // Keys point into the texts' shared storage, which never moves.
    std::unordered_map<std::string_view, uint32_t> codes_;
};

}  // namespace tav::hostmodel
