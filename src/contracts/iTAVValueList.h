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
    // The same when every value is a Double (or every one a Long), without a Variant each; an
    // empty span when the list is not all of that type (or empty).
    virtual std::span<const double> Doubles() = 0;
    virtual std::span<const int32_t> Longs() = 0;
    // The same when the list keeps its values as codes into a table of distinct values (texts,
    // say): value i is CodeTable()[Codes()[i]]. Empty spans when it does not. Use the spans at
    // once: adding to the list invalidates them.
    virtual std::span<const uint32_t> Codes() = 0;
    virtual std::span<const Variant> CodeTable() = 0;
};

}  // namespace tav
