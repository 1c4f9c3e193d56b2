#include "host/state/StateProperties.h"

#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "host/state/StateText.h"

namespace tav {

namespace T = StateText;

ClassDesc StateProperties::describe() {
    using C = StateProperties;
    return ClassDesc(std::string(T::StateProperties), std::string(T::StatePropertiesHelp))
        .add(property<&C::Count>(T::Count))
        .add(property<&C::Item>(T::Item, {T::IndexParam}).withId(DispIdValue));
}

std::string StateProperties::folded(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

IRef<iQvStateProperty> StateProperties::Item(const Variant& Index) {
    const int32_t i = CLng(Index);
    if (i < T::FirstIndex || i > Count()) throwError(err::SubscriptOutOfRange);
    return IRef<iQvStateProperty>(list_[static_cast<size_t>(i - T::FirstIndex)]);
}

StateProperty* StateProperties::find(std::string_view name) const {
    const auto it = byName_.find(folded(name));
    return it == byName_.end() ? nullptr : list_[it->second].get();
}

void StateProperties::add(Ref<StateProperty> property) {
    if (Count() >= T::MaxProperties)
        throw AutomationError(err::InvalidProcedureCall, std::string(T::ErrSource), std::string(T::TooManyProperties));
    if (!byName_.emplace(folded(property->name()), list_.size()).second)
        throw AutomationError(err::InvalidProcedureCall, std::string(T::ErrSource),
                              std::string(T::AlreadyDefined) + property->name());
    list_.push_back(std::move(property));
}

void StateProperties::attach(State* owner) {
    for (const Ref<StateProperty>& p : list_) p->attach(owner);
}

}  // namespace tav
