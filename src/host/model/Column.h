#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "automation/values/Variant.h"
#include "host/model/ColumnSlice.h"
#include "host/model/RowBits.h"
#include "host/model/TextDictionary.h"

namespace tav::hostmodel {

// One property of every object of one class, by row. Values keep their exact Variant type:
// a column holds doubles, longs or texts (by dictionary code) in their plain form while all
// its values are of that one type, and becomes a column of Variants the first time a value of
// another type (or a text beyond the dictionary's reach) arrives. Rows never set are Empty.
class Column {
  public:
    // A text column keeps at most this many distinct texts; beyond, texts are kept one by one.
    static constexpr size_t MaxDictionary = size_t{1} << 16;

    ColumnKind kind() const noexcept { return kind_; }

    Variant get(uint32_t row) const;
    void set(uint32_t row, const Variant& v);
    // One value into many rows.
    void fill(std::span<const uint32_t> rows, const Variant& v);
    // Appends the values of the rows, in order.
    void read(std::span<const uint32_t> rows, std::vector<Variant>& out) const;
    // The same as plain numbers; false (and `out` as it was) unless every row holds a Double
    // (or a Long).
    bool readDoubles(std::span<const uint32_t> rows, std::vector<double>& out) const;
    bool readLongs(std::span<const uint32_t> rows, std::vector<int32_t>& out) const;
    // The same as codes into the column's dictionary of texts, which `table` must be or becomes.
    bool readCodes(std::span<const uint32_t> rows, std::vector<uint32_t>& out,
                   std::shared_ptr<const TextDictionary>& table) const;

    // Bulk filling of a column that holds nothing yet: rows 0..n-1 take these values (a
    // structure file's atoms, say), kept as they are.
    void adopt(std::vector<double> values);
    void adopt(std::vector<int32_t> values);
    void adoptTexts(std::vector<uint32_t> codes, std::span<const std::string> texts);

    // The plain values of a column of that kind (nullptr for another kind), with which rows
    // hold one.
    const std::vector<double>* plainDoubles() const {
        return kind_ == ColumnKind::Double ? &doubles_ : nullptr;
    }
    const std::vector<int32_t>* plainLongs() const {
        return kind_ == ColumnKind::Long ? &longs_ : nullptr;
    }
    const std::vector<uint32_t>* plainCodes() const {
        return kind_ == ColumnKind::Text ? &codes_ : nullptr;
    }
    const TextDictionary* dictionary() const { return dictionary_.get(); }
    bool holdsAll(uint32_t rows) const { return present_.allSet(rows); }

    // Sets in `out` the rows below `rows` whose value differs from `other`'s: another type, or
    // another value of the same type.
    void markDifferences(const Column& other, uint32_t rows, RowBits& out) const;

    // What the rows hold now, and putting it back.
    ColumnSlice gather(std::span<const uint32_t> rows) const;
    void restore(std::span<const uint32_t> rows, const ColumnSlice& slice);

    size_t bytes() const;

  private:
    template <class T>
    void restorePlain(std::vector<T>& values, const std::vector<T>& old,
                      std::span<const uint32_t> rows, const RowBits& had);
    template <class T>
    bool readPlain(ColumnKind kind, const std::vector<T>& values, std::span<const uint32_t> rows,
                   std::vector<T>& out) const;
    // Makes the column able to take a value of kind k (and the text t).
    void prepareFor(ColumnKind k, const Variant& v);
    void becomeAny();
    void clear(uint32_t row);
    void grow(uint32_t rows);

    ColumnKind kind_ = ColumnKind::Unset;
    std::vector<double> doubles_;
    std::vector<int32_t> longs_;
    std::vector<uint32_t> codes_;
    std::shared_ptr<TextDictionary> dictionary_;
    std::vector<Variant> any_;
    RowBits present_;
};

}  // namespace tav::hostmodel
