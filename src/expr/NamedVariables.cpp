#include "expr/NamedVariables.h"

namespace tav {

int32_t NamedVariables::find(std::string_view name) const noexcept {
    if (lastFound_ != NotFound && entries_[static_cast<size_t>(lastFound_)].name == name) return lastFound_;
    const auto it = index_.find(name);
    if (it == index_.end()) return NotFound;
    lastFound_ = it->second;
    return lastFound_;
}

int32_t NamedVariables::letOther(std::string_view name, const Variant& value) {
    const int32_t position = find(name);
    if (position != NotFound) {
        entries_[static_cast<size_t>(position)].value = value;
        return position;
    }
    const int32_t added = count();
    entries_.push_back(Entry{std::string(name), value});
    index_.emplace(std::string(name), added);
    return added;
}

}  // namespace tav
