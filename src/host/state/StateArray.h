#pragma once
#include <cstdint>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "automation/values/SafeArray.h"
#include "contracts/iQvStateArray.h"

namespace tav {

class StateProperty;

// The elements of an array-valued state property, of one value type, indexed from 1. Writing
// an element is a change of the property, which its state announces.
class StateArray : public Dispatchable<StateArray>, public iQvStateArray {
public:
    static ClassDesc describe();
    // The elements are made the type's (errors 13 and 6).
    StateArray(VarType elementType, std::vector<Variant> elements);

    int32_t Count() override { return static_cast<int32_t>(elements_.size()); }
    Variant Item(int32_t Index) override;
    void LetItem(int32_t Index, const Variant& NewValue) override;

    VarType elementType() const { return type_; }
    const std::vector<Variant>& elements() const { return elements_; }
    // The elements as an array indexed from 1.
    SafeArray toArray() const;
    // Replaces every element (a property's value let); tells no one.
    void replace(std::vector<Variant> elements);

    // The property the array belongs to (nullptr once it is gone).
    void attach(StateProperty* owner) { owner_ = owner; }

private:
    Variant& at(int32_t index);

    VarType type_;
    std::vector<Variant> elements_;
    StateProperty* owner_ = nullptr;
};

}  // namespace tav
