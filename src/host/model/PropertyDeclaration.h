#pragma once
#include <cstdint>
#include <string>

#include "automation/values/Variant.h"

namespace tav::hostmodel {

// What the schema says of one property, and what its accessors do.
struct PropertyDeclaration {
    std::string name;
    int32_t typeCode = 0;
    int32_t flags = 0;
    bool multiValued = false;
    bool hasRange = false;
    Variant min, max;
    std::string warning;
    int32_t readStatus = 0;
};

}  // namespace tav::hostmodel
