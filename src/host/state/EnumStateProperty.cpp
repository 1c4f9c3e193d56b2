#include "host/state/EnumStateProperty.h"

#include "automation/conversions/Conversions.h"
#include "automation/objects/Dispatchable.h"
#include "automation/values/Excerpt.h"
#include "host/state/StateText.h"

namespace tav {

namespace T = StateText;

namespace {

[[noreturn]] void refuse(std::string_view message, std::string_view subject = {}) {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::ErrSource),
                          std::string(message) + excerpt(subject));
}

}  // namespace

const ClassDesc& EnumStateProperty::table() {
    using C = EnumStateProperty;
    static const ClassDesc desc = describeAs(T::EnumStateProperty, T::EnumStatePropertyHelp)
                                      .add(property<&C::ItemValue>(T::ItemValue, {T::ItemNameParam}))
                                      .add(property<&C::ItemCount>(T::ItemCount))
                                      .add(property<&C::ItemName>(T::ItemName, {T::IndexParam}));
    return desc;
}

Variant EnumStateProperty::checkedStart(const std::vector<Item>& items, const Variant& value) {
    if (items.empty()) refuse(T::NoItems);
    if (items.size() > static_cast<size_t>(T::MaxItems)) refuse(T::TooManyItems);
    return isMissing(value) ? Variant::I4(items.front().value) : Variant::I4(CLng(value));
}

EnumStateProperty::EnumStateProperty(std::string name, std::vector<Item> items, const Variant& value)
    : StateProperty(std::move(name), VarType::I4, checkedStart(items, value)), items_(std::move(items)) {
    byName_.reserve(items_.size());
    values_.reserve(items_.size());
    for (const Item& item : items_) {
        if (item.name.empty()) refuse(T::EmptyItemName);
        if (!byName_.emplace(item.name, item.value).second) refuse(T::ItemTwice, item.name);
        if (!values_.insert(item.value).second) refuse(T::ItemTwice, CStr(Variant::I4(item.value)));
    }
    accepted(StateProperty::Value());
}

Variant EnumStateProperty::accepted(const Variant& value) const {
    Variant v = Variant::I4(CLng(value));
    if (!values_.count(v.i4())) refuse(T::NotAnItemValue, CStr(v));
    return v;
}

int32_t EnumStateProperty::ItemValue(std::string_view ItemName) {
    const auto it = byName_.find(std::string(ItemName));
    if (it == byName_.end()) refuse(T::ItemNotFound, ItemName);
    return it->second;
}

Variant EnumStateProperty::ItemName(const Variant& Index) {
    const int32_t i = CLng(Index);
    if (i < T::FirstIndex || i > ItemCount()) throwError(err::SubscriptOutOfRange);
    return Variant(items_[static_cast<size_t>(i - T::FirstIndex)].name);
}

std::string EnumStateProperty::Type() const { return std::string(T::TypeEnum); }

}  // namespace tav
