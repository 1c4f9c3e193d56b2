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

void ModelClass::addNamed(std::span<const uint32_t> codes, std::span<const std::string> texts) {
    size_t chars = names_.size();
    for (uint32_t c : codes) chars += texts[c].size();
    names_.reserve(chars);
    nameEnds_.reserve(nameEnds_.size() + codes.size());
    for (uint32_t c : codes) {
        names_.append(texts[c]);
        nameEnds_.push_back(static_cast<uint32_t>(names_.size()));
    }
}

// Every change of a value reaches its column through here.
Column& ModelClass::column(std::string_view property) {
    auto it = columns_.find(property);
    if (it == columns_.end()) it = columns_.emplace(std::string(property), Column()).first;
    if (keepOriginals_ && !originals_.count(property)) originals_.emplace(it->first, it->second);
    return it->second;
}

const Column* ModelClass::original(std::string_view property) const {
    const auto it = originals_.find(property);
    return it == originals_.end() ? nullptr : &it->second;
}

void ModelClass::setOwners(uint32_t ownerClass, std::vector<uint32_t> ownerRows) {
    ownerClass_ = ownerClass;
    owners_ = std::move(ownerRows);
}

std::optional<ObjectKey> ModelClass::owner(uint32_t row) const {
    if (row >= owners_.size()) return std::nullopt;
    return ObjectKey{ownerClass_, owners_[row]};
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
    for (const auto& [name, column] : originals_) n += name.capacity() + column.bytes();
    return n + owners_.capacity() * sizeof(uint32_t);
}

}  // namespace tav::hostmodel
