#include "host/model/ModelClass.h"

namespace tav::hostmodel {

uint32_t ModelClass::add(std::string_view objectName) {
    names_.append(objectName);
    nameEnds_.push_back(static_cast<uint32_t>(names_.size()));
    return size() - 1;
}

std::string_view ModelClass::objectName(uint32_t row) const {
    const uint32_t begin = row == 0 ? 0 : nameEnds_[row - 1];
    return std::string_view(names_).substr(begin, nameEnds_[row] - begin);
}

Column& ModelClass::column(std::string_view property) {
    const auto it = columns_.find(property);
    if (it != columns_.end()) return it->second;
    return columns_.emplace(std::string(property), Column()).first->second;
}

const Column* ModelClass::findColumn(std::string_view property) const {
    const auto it = columns_.find(property);
    return it == columns_.end() ? nullptr : &it->second;
}

std::optional<ObjectKey> ModelClass::parent(ParentKind kind, uint32_t row) const {
    const auto& map = parents_[static_cast<size_t>(kind)];
    const auto it = map.find(row);
    if (it == map.end()) return std::nullopt;
    return ObjectKey::unpack(it->second);
}

void ModelClass::setParent(ParentKind kind, uint32_t row, std::optional<ObjectKey> parent) {
    auto& map = parents_[static_cast<size_t>(kind)];
    if (parent)
        map[row] = parent->packed();
    else
        map.erase(row);
}

size_t ModelClass::bytes() const {
    size_t n = sizeof(ModelClass) + names_.capacity() + nameEnds_.capacity() * sizeof(uint32_t) +
               hidden_.bytes();
    for (const auto& map : parents_)
        n += map.size() * (sizeof(uint64_t) * 2 + sizeof(void*)) +
             map.bucket_count() * sizeof(void*);
    for (const auto& [name, column] : columns_) n += name.capacity() + column.bytes();
    return n;
}

}  // namespace tav::hostmodel
