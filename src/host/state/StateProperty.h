#pragma once
#include <string>
#include <string_view>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Object.h"
#include "contracts/iQvStateProperty.h"
#include "host/state/StateArray.h"

namespace tav {

class State;

// One named, typed property of a state object: a plain value (converted to its type on every
// write), or the elements of a state array. Every write is a change its state announces,
// whoever makes it. FloatStateProperty and EnumStateProperty add to it.
class StateProperty : public Object, public iQvStateProperty {
public:
    static const ClassDesc& table();
    const ClassDesc* classDesc() const override { return &table(); }

    // A plain property: the value made the type's (Missing: the type's zero). An empty name is
    // error 5.
    StateProperty(std::string name, VarType type, const Variant& value);
    // An array-valued property.
    StateProperty(std::string name, Ref<StateArray> array);
    ~StateProperty() override;

    std::string Name() override { return name_; }
    bool IsArray() override { return static_cast<bool>(array_); }
    bool HoldsObject() override { return !array_ && value_.isObject(); }
    // An array-valued property gives its elements as an array indexed from 1.
    Variant Value() override;
    // An array-valued property takes a one-dimensional array as its new elements.
    void LetValue(const Variant& NewValue) override;
    void SetValue(const Variant& NewValue) { LetValue(NewValue); }
    IRef<iQvStateArray> Array() override;
    // The type name ("R8", "Str", ..., "Enum").
    virtual std::string Type() const;

    const std::string& name() const { return name_; }
    VarType type() const { return type_; }
    const Ref<StateArray>& stateArray() const { return array_; }
    // The state the property belongs to (nullptr: none, or no longer).
    void attach(State* owner) { owner_ = owner; }
    // Tells the state that the value changed.
    void changed();

protected:
    static ClassDesc describeAs(std::string_view name, std::string_view help);
    // The value a write keeps: made the type's (and checked, by the kinds that check more).
    virtual Variant accepted(const Variant& value) const;

private:
    std::string name_;
    VarType type_;
    Variant value_;
    Ref<StateArray> array_;
    State* owner_ = nullptr;
};

}  // namespace tav
