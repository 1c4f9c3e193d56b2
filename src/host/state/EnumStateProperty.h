#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "contracts/iQvEnumStateProperty.h"
#include "host/state/StateProperty.h"

namespace tav {

// An enumerated state property: its value is always the value of one of its items (32-bit
// integers with names, kept in their defined order).
class EnumStateProperty : public StateProperty, public iQvEnumStateProperty {
public:
    struct Item {
        std::string name;
        int32_t value;
    };

    static const ClassDesc& table();
    const ClassDesc* classDesc() const override { return &table(); }

    // Error 5 without items, with more than 32767, with a name or value given twice, an empty
    // name, or a value (Missing: the first item's) that is no item's.
    EnumStateProperty(std::string name, std::vector<Item> items, const Variant& value);

    // Names compare exactly; an unknown one is error 5.
    int32_t ItemValue(std::string_view ItemName) override;
    int32_t ItemCount() override { return static_cast<int32_t>(items_.size()); }
    // Outside 1..ItemCount is error 9.
    Variant ItemName(const Variant& Index) override;
    std::string Type() const override;

    const std::vector<Item>& items() const { return items_; }

protected:
    Variant accepted(const Variant& value) const override;

private:
    // Checks the items and indexes them; returns the value the property starts with.
    static Variant checkedStart(const std::vector<Item>& items, const Variant& value);

    std::vector<Item> items_;
    std::unordered_map<std::string, int32_t> byName_;
    std::unordered_set<int32_t> values_;
};

}  // namespace tav
