#include "host/model/TextDictionary.h"

namespace tav::hostmodel {

uint32_t TextDictionary::codeOf(const Variant& text) {
    const auto it = codes_.find(text.str());
    if (it != codes_.end()) return it->second;
    const auto code = static_cast<uint32_t>(texts_.size());
    texts_.push_back(text);
    codes_.emplace(texts_.back().str(), code);
    return code;
}

size_t TextDictionary::bytes() const {
    size_t n = texts_.capacity() * sizeof(Variant) +
               codes_.size() * (sizeof(std::string_view) + 2 * sizeof(void*)) +
               codes_.bucket_count() * sizeof(void*);
    for (const Variant& t : texts_) n += t.str().size() + 2 * sizeof(uint32_t) + 1;
    return n;
}

}  // namespace tav::hostmodel
