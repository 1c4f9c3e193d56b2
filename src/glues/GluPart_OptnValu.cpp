#include "glues/GluPart_OptnValu.h"

#include "automation/conversions/Conversions.h"
#include "glues/StopCycle.h"
#include "util/DBugLifeTimes.h"
#include "util/Utils.h"

namespace tav {

namespace T = GluPart_OptnValuText;

ClassDesc GluPart_OptnValu::describe() {
    using C = GluPart_OptnValu;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::OptionValue, &C::SetOptionValue>(T::OptionValue, T::OptionValueHelp))
        .add(property<&C::ValueToShow, &C::SetValueToShow>(T::ValueToShow, T::ValueToShowHelp))
        .implements<iTAVGluePart>()
        .implements<Persistable>();
}

GluPart_OptnValu::GluPart_OptnValu() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}
GluPart_OptnValu::~GluPart_OptnValu() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}

void GluPart_OptnValu::SetOptionValue(const Variant& vNewValue) {
    optionValue_ = Utils::CNum(vNewValue);
    PropertyChanged(T::OptionValue);
}

void GluPart_OptnValu::SetValueToShow(bool bNewValue) {
    valueToShow_ = bNewValue;
    PropertyChanged(T::ValueToShow);
}

void GluPart_OptnValu::TransformForDisplay(Variant& TheValue) {
    const bool matches = !Utils::ValuesDiffer(TheValue, optionValue_);
    TheValue = Variant::Bool(matches ? valueToShow_ : !valueToShow_);
}

void GluPart_OptnValu::InvTransformForStorage(Variant& TheValue) {
    if (CBool(TheValue) != valueToShow_) throwStopCycle();
    Utils::CopyVariant(TheValue, optionValue_);
}

void GluPart_OptnValu::InitProperties() {
    optionValue_ = Variant(T::DefaultOptionValue);
    valueToShow_ = T::DefaultValueToShow;
}

void GluPart_OptnValu::ReadProperties(const Ref<PropertyBag>& PropBag) {
    // The saved option value comes back as saved (no CNum): its type was settled when it was set.
    optionValue_ = PropBag->ReadProperty(T::OptionValue, Variant(T::DefaultOptionValue));
    valueToShow_ =
        CBool(PropBag->ReadProperty(T::ValueToShow, Variant::Bool(T::DefaultValueToShow)));
}

void GluPart_OptnValu::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::OptionValue, optionValue_, Variant(T::DefaultOptionValue));
    PropBag->WriteProperty(T::ValueToShow, Variant::Bool(valueToShow_),
                           Variant::Bool(T::DefaultValueToShow));
}

}  // namespace tav
