#include "host/state/StateArray.h"

#include "automation/values/ErrorNumbers.h"
#include "host/objects/TypeNames.h"
#include "host/state/StateProperty.h"
#include "host/state/StateText.h"

namespace tav {

namespace T = StateText;

ClassDesc StateArray::describe() {
    using C = StateArray;
    return ClassDesc(std::string(T::StateArray), std::string(T::StateArrayHelp))
        .add(property<&C::Count>(T::Count))
        .add(property<&C::Item, &C::LetItem>(T::Item, {T::IndexParam}));
}

StateArray::StateArray(VarType elementType, std::vector<Variant> elements) : type_(elementType) {
    replace(std::move(elements));
}

void StateArray::replace(std::vector<Variant> elements) {
    for (Variant& v : elements) v = TypeNames::coerce(type_, v);
    elements_ = std::move(elements);
}

Variant& StateArray::at(int32_t index) {
    if (index < T::FirstIndex || index > Count()) throwError(err::SubscriptOutOfRange);
    return elements_[static_cast<size_t>(index - T::FirstIndex)];
}

Variant StateArray::Item(int32_t Index) { return at(Index); }

void StateArray::LetItem(int32_t Index, const Variant& NewValue) {
    Variant& element = at(Index);
    element = TypeNames::coerce(type_, NewValue);
    if (owner_) owner_->changed();
}

SafeArray StateArray::toArray() const { return SafeArray::vector(elements_, T::FirstIndex); }

}  // namespace tav
