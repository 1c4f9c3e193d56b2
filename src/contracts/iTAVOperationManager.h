#pragma once
#include <cstdint>
#include <string_view>

#include "automation/values/Object.h"

namespace tav {

// The host's undoable operations. While an operation object lives, the changes made to the
// model belong to it; releasing it ends the operation.
class iTAVOperationManager {
  public:
    virtual ~iTAVOperationManager() = default;

    // The host's two busy questions: an idle-time rebuild needs both to answer no, a store
    // the second.
    virtual bool StateA() = 0;
    virtual bool StateB() = 0;
    virtual Ref<Object> StartOperation(std::string_view shortText, std::string_view longText,
                                       int32_t flags) = 0;
};

}  // namespace tav
