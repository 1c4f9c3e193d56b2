#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVValueList.h"

namespace tav::hostmodel {

// A list of values (Host.ValueList): what an accessor reads, one value per object.
class ValueList : public Dispatchable<ValueList>, public iTAVValueList {
public:
    static ClassDesc describe();

    int32_t Count() override { return static_cast<int32_t>(values_.size()); }
    // 1-based; error 9 outside 1..Count.
    Variant Item(int32_t index) override;
    void Add(const Variant& value) override { values_.push_back(value); }
    std::span<const Variant> Values() override { return values_; }

    std::vector<Variant>& values() noexcept { return values_; }

private:
    std::vector<Variant> values_;
};

}  // namespace tav::hostmodel
