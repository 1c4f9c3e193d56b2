#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/model/Column.h"
#include "host/model/RowBits.h"

namespace tav::hostmodel {

// An object of a model by class and row, packed in one word.
struct ObjectKey {
    uint32_t cls = 0;
    uint32_t row = 0;
    uint64_t packed() const noexcept { return (uint64_t{cls} << 32) | row; }
    static ObjectKey unpack(uint64_t k) noexcept {
        return ObjectKey{static_cast<uint32_t>(k >> 32), static_cast<uint32_t>(k)};
    }
};

enum class ParentKind : uint8_t { Periodic, Symmetry };

// Every object of one class of a model, by row: their names, their display-candidate flags,
// their periodic and symmetry parents, their owners (an atom's residue, a residue's chain: one
// row number each, when the class has owners), and one column per property that any of them was
// given. Nothing here is per object but what must be: a name's characters and a few bits.
//
// A class can keep its values as they were before its first change (a structure file's, so
// that saving finds what was edited): each column is copied when it is first changed.
class ModelClass {
  public:
    explicit ModelClass(std::string name) : name_(std::move(name)) {}

    const std::string& name() const noexcept { return name_; }
    uint32_t size() const noexcept { return static_cast<uint32_t>(nameEnds_.size()); }

    // A new object; its row.
    uint32_t add(std::string_view objectName);
    // New objects in bulk: the i-th takes the name texts[codes[i]].
    void addNamed(std::span<const uint32_t> codes, std::span<const std::string> texts);
    std::string_view objectName(uint32_t row) const;

    // The column of a property (made on first use) or none.
    Column& column(std::string_view property);
    const Column* findColumn(std::string_view property) const;

    bool displayCandidate(uint32_t row) const { return !hidden_.test(row); }
    void setDisplayCandidate(uint32_t row, bool candidate) { hidden_.set(row, !candidate); }
    std::optional<ObjectKey> parent(ParentKind kind, uint32_t row) const;
    void setParent(ParentKind kind, uint32_t row, std::optional<ObjectKey> parent);

    // Each row's owner, a row of the class `ownerClass` (rows beyond the list have none).
    void setOwners(uint32_t ownerClass, std::vector<uint32_t> ownerRows);
    std::optional<ObjectKey> owner(uint32_t row) const;
    std::span<const uint32_t> ownerRows() const { return owners_; }

    // While kept, a column's values before its first change stay available.
    void keepOriginals(bool keep) { keepOriginals_ = keep; }
    // The column as it was before its first change, or nullptr when it has not changed since
    // (or originals are not kept).
    const Column* original(std::string_view property) const;
    // The values as they are now become the originals.
    void forgetOriginals() { originals_.clear(); }

    size_t bytes() const;

  private:
    std::string name_;
    std::string names_;                                  // every object's name, one after the other
    std::vector<uint32_t> nameEnds_;                     // where each name ends in names_
    RowBits hidden_;                                     // set: not a display candidate
    std::unordered_map<uint32_t, uint64_t> parents_[2];  // few objects have parents
    std::map<std::string, Column, std::less<>> columns_;
    std::vector<uint32_t> owners_;
    uint32_t ownerClass_ = 0;
    bool keepOriginals_ = false;
    std::map<std::string, Column, std::less<>> originals_;
};

}  // namespace tav::hostmodel
