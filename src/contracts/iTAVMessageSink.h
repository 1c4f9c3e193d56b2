#pragma once
#include <cstdint>
#include <string_view>

#include "automation/values/Variant.h"

namespace tav {

// Where the host shows messages that need no answer.
class iTAVMessageSink {
  public:
    virtual ~iTAVMessageSink() = default;

    // Two optional arguments the parts leave out (Missing).
    virtual void ShowMessage(std::string_view text, int32_t flags, const Variant& extra1,
                             const Variant& extra2) = 0;
};

}  // namespace tav
