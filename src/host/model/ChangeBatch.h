#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "automation/values/Variant.h"
#include "host/model/ColumnSlice.h"
#include "host/model/Model.h"

namespace tav::hostmodel {

// One recorded change: one property of some objects of one class took one value. What it
// keeps is what undo needs (the old values, in the column's own compact form) and what redo
// needs (the one new value); the rows are shared with the scope they came from.
struct ChangeBatch {
    Ref<Model> model;
    uint32_t cls = 0;
    std::string property;
    std::shared_ptr<const std::vector<uint32_t>> rows;
    ColumnSlice before;
    Variant after;

    size_t bytes() const { return sizeof(ChangeBatch) + before.bytes() + property.capacity(); }
};

}  // namespace tav::hostmodel
