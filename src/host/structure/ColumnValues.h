#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "host/model/Column.h"
#include "host/structure/gemmi/TextColumn.h"

// A model column's values for rows 0..n-1 in the plain forms that selecting and writing a
// structure read: texts by code, numbers. A column that keeps them so is read as it is; any
// other is converted value by value.
namespace tav::structure::ColumnValues {

// Empty and Null read as "".
TextColumn texts(const hostmodel::Column* column, uint32_t rows);

// Numbers, with the first row whose value is not one (it reads as NaN, or 0 for longs).
struct Doubles {
    std::vector<double> values;
    std::optional<uint32_t> bad;
};
struct Longs {
    std::vector<int32_t> values;
    std::optional<uint32_t> bad;
};
Doubles doubles(const hostmodel::Column* column, uint32_t rows);
Longs longs(const hostmodel::Column* column, uint32_t rows);

}  // namespace tav::structure::ColumnValues
