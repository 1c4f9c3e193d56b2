#pragma once
#include <cstdint>

#include "automation/objects/Interfaces.h"

namespace tav {

// The objects of a host scope, in order (a host object).
class iTAVScopeContents {
  public:
    virtual ~iTAVScopeContents() = default;

    virtual int32_t Count() = 0;
    // 1-based.
    virtual Ref<Object> Item(int32_t index) = 0;
};

}  // namespace tav
