#include "host/state/StateProperty.h"

#include "automation/objects/Dispatchable.h"
#include "host/objects/TypeNames.h"
#include "host/state/State.h"
#include "host/state/StateText.h"

namespace tav {

namespace T = StateText;

namespace {

std::string checkedName(std::string name) {
    if (name.empty())
        throw AutomationError(err::InvalidProcedureCall, std::string(T::ErrSource), std::string(T::EmptyName));
    return name;
}

std::vector<Variant> elementsOf(const Variant& list) {
    if (!list.isArray() || list.array().dims() != 1)
        throw AutomationError(err::InvalidProcedureCall, std::string(T::ErrSource), std::string(T::NotAList));
    return list.array().data();
}

}  // namespace

ClassDesc StateProperty::describeAs(std::string_view name, std::string_view help) {
    using C = StateProperty;
    return ClassDesc(std::string(name), std::string(help))
        .add(property<&C::Name>(T::Name))
        .add(property<&C::Type>(T::Type))
        .add(property<&C::IsArray>(T::IsArray))
        .add(property<&C::HoldsObject>(T::HoldsObject))
        .add(property<&C::Value, &C::LetValue, &C::SetValue>(T::Value).withId(DispIdValue))
        .add(property<&C::Array>(T::Array));
}

const ClassDesc& StateProperty::table() {
    static const ClassDesc desc = describeAs(T::StateProperty, T::StatePropertyHelp);
    return desc;
}

StateProperty::StateProperty(std::string name, VarType type, const Variant& value)
    : name_(checkedName(std::move(name))), type_(type), value_(TypeNames::initialValue(type, value)) {}

StateProperty::StateProperty(std::string name, Ref<StateArray> array)
    : name_(checkedName(std::move(name))), type_(array->elementType()), array_(std::move(array)) {
    array_->attach(this);
}

StateProperty::~StateProperty() {
    if (array_) array_->attach(nullptr);
}

std::string StateProperty::Type() const { return std::string(TypeNames::nameOf(type_)); }

Variant StateProperty::accepted(const Variant& value) const { return TypeNames::coerce(type_, value); }

Variant StateProperty::Value() {
    if (array_) return Variant(array_->toArray());
    return value_;
}

void StateProperty::LetValue(const Variant& NewValue) {
    if (array_)
        array_->replace(elementsOf(NewValue));
    else
        value_ = accepted(NewValue);
    changed();
}

IRef<iQvStateArray> StateProperty::Array() { return array_ ? IRef<iQvStateArray>(array_) : IRef<iQvStateArray>(); }

void StateProperty::changed() {
    if (owner_) owner_->propertyChanged(*this);
}

}  // namespace tav
