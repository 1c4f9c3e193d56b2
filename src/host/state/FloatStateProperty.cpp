#include "host/state/FloatStateProperty.h"

#include "automation/objects/Dispatchable.h"
#include "host/objects/TypeNames.h"
#include "host/state/StateText.h"

namespace tav {

namespace T = StateText;

namespace {

VarType floatingPoint(VarType type) {
    if (type != VarType::R4 && type != VarType::R8)
        throw AutomationError(err::InvalidProcedureCall, std::string(T::ErrSource),
                              std::string(T::NotFloatType) + std::string(TypeNames::nameOf(type)));
    return type;
}

}  // namespace

const ClassDesc& FloatStateProperty::table() {
    using C = FloatStateProperty;
    static const ClassDesc desc = describeAs(T::FloatStateProperty, T::FloatStatePropertyHelp)
                                      .add(property<&C::Precision, &C::SetPrecision>(T::Precision));
    return desc;
}

FloatStateProperty::FloatStateProperty(std::string name, VarType type, int32_t precision, const Variant& value)
    : StateProperty(std::move(name), floatingPoint(type), value), precision_(precision) {}

}  // namespace tav
