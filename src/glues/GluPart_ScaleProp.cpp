#include "glues/GluPart_ScaleProp.h"

#include <cmath>

#include "automation/conversions/Conversions.h"
#include "automation/operators/Operators.h"
#include "util/DBugLifeTimes.h"

namespace tav {

namespace T = GluPart_ScalePropText;

ClassDesc GluPart_ScaleProp::describe() {
    using C = GluPart_ScaleProp;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::ScaleByCoef, &C::SetScaleByCoef>(T::ScaleByCoef))
        .implements<iTAVGluePart>()
        .implements<Persistable>();
}

GluPart_ScaleProp::GluPart_ScaleProp() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}
GluPart_ScaleProp::~GluPart_ScaleProp() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}

void GluPart_ScaleProp::SetScaleByCoef(double dVal) {
    if (std::fabs(dVal) < T::SmallestCoef)
        throw AutomationError(err::InvalidProcedureCall, std::string(typeName()),
                              std::string(T::CoefTooSmall));
    scaleByCoef_ = dVal;
    PropertyChanged(T::ScaleByCoef);
}

void GluPart_ScaleProp::TransformForDisplay(Variant& TheValue) {
    TheValue = Mul(TheValue, Variant::R8(scaleByCoef_));
}

void GluPart_ScaleProp::InvTransformForStorage(Variant& TheValue) {
    try {
        TheValue = Div(TheValue, Variant::R8(scaleByCoef_));
    } catch (const AutomationError& e) {
        // The user typed something; tell them what is wrong with it rather than "Type mismatch".
        const bool notANumber = e.number() == err::TypeMismatch && !IsNumeric(TheValue);
        throw AutomationError(e.number(), e.source(),
                              notANumber ? std::string(T::NumericRequired) : e.description());
    }
}

void GluPart_ScaleProp::InitProperties() {
    scaleByCoef_ = T::DefaultCoef;
}

void GluPart_ScaleProp::ReadProperties(const Ref<PropertyBag>& PropBag) {
    // A saved coefficient is taken as it is: the size test guards only what a designer types.
    scaleByCoef_ = CDbl(PropBag->ReadProperty(T::ScaleByCoef, Variant::R8(T::DefaultCoef)));
}

void GluPart_ScaleProp::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::ScaleByCoef, Variant::R8(scaleByCoef_), Variant::R8(T::DefaultCoef));
}

}  // namespace tav
