#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "automation/values/Variant.h"

namespace tav {

// A list of values the host hands out (one per object of a scope) or takes.
class iTAVValueList {
public:
    // What a part creates when it builds a list itself.
    static constexpr std::string_view ProgId = "Host.ValueList";

    virtual ~iTAVValueList() = default;

    virtual int32_t Count() = 0;
    // 1-based.
    virtual Variant Item(int32_t index) = 0;
    virtual void Add(const Variant& value) = 0;
    // All values in order, to walk without a call per value.
    virtual std::span<const Variant> Values() = 0;
};

}  // namespace tav
