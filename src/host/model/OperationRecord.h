#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "host/model/ChangeBatch.h"

namespace tav::hostmodel {

// A committed operation as the undo history keeps it: its texts and its changes in the order
// they were made.
struct OperationRecord {
    std::string shortText;
    std::string longText;
    int32_t flags = 0;
    std::vector<ChangeBatch> changes;
};

}  // namespace tav::hostmodel
