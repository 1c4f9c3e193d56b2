#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "automation/values/Variant.h"
#include "host/model/RowBits.h"
#include "host/model/TextDictionary.h"

namespace tav::hostmodel {

// How a column keeps its values: nothing yet (every row Empty), doubles, longs, texts by
// dictionary code, or any Variant once the values are of mixed types.
enum class ColumnKind : uint8_t { Unset, Double, Long, Text, Any };

// The values some rows of a column had, kept in the column's own form (what an undo record
// holds): position i is the value of the i-th row asked for.
struct ColumnSlice {
    ColumnKind kind = ColumnKind::Unset;
    std::vector<double> doubles;
    std::vector<int32_t> longs;
    std::vector<uint32_t> codes;
    std::shared_ptr<const TextDictionary> dictionary;
    std::vector<Variant> any;
    RowBits present;  // the typed kinds: which positions hold a value (the others are Empty)

    Variant value(size_t i) const;
    size_t bytes() const;
};

}  // namespace tav::hostmodel
