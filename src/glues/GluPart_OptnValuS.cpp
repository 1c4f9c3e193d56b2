#include "glues/GluPart_OptnValuS.h"

#include "automation/conversions/Conversions.h"
#include "glues/StopCycle.h"
#include "util/DBugLifeTimes.h"
#include "util/Utils.h"

namespace tav {

namespace T = GluPart_OptnValuSText;

ClassDesc GluPart_OptnValuS::describe() {
    using C = GluPart_OptnValuS;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::OptionValueS, &C::SetOptionValueS>(T::OptionValueS, T::OptionValueSHelp))
        .add(property<&C::ValueToShow, &C::SetValueToShow>(T::ValueToShow, T::ValueToShowHelp))
        .implements<iTAVGluePart>()
        .implements<Persistable>();
}

GluPart_OptnValuS::GluPart_OptnValuS() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}
GluPart_OptnValuS::~GluPart_OptnValuS() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}

void GluPart_OptnValuS::SetOptionValueS(std::string_view strNewValue) {
    optionValueS_ = strNewValue;
    PropertyChanged(T::OptionValueS);
}

void GluPart_OptnValuS::SetValueToShow(bool bNewValue) {
    valueToShow_ = bNewValue;
    PropertyChanged(T::ValueToShow);
}

bool GluPart_OptnValuS::matchesAny(const Variant& value) const {
    if (optionValueS_.empty()) return false;
    std::string_view rest = optionValueS_;
    for (;;) {
        const size_t bar = rest.find(T::Separator);
        if (!Utils::ValuesDiffer(value, Variant(rest.substr(0, bar)))) return true;
        if (bar == std::string_view::npos) return false;
        rest.remove_prefix(bar + T::Separator.size());
    }
}

void GluPart_OptnValuS::TransformForDisplay(Variant& TheValue) {
    TheValue = Variant::Bool(matchesAny(TheValue) ? valueToShow_ : !valueToShow_);
}

void GluPart_OptnValuS::InvTransformForStorage(Variant& /*TheValue*/) {
    throwStopCycle();
}

void GluPart_OptnValuS::InitProperties() {
    optionValueS_ = T::DefaultOptionValueS;
    valueToShow_ = T::DefaultValueToShow;
}

void GluPart_OptnValuS::ReadProperties(const Ref<PropertyBag>& PropBag) {
    optionValueS_ = CStr(PropBag->ReadProperty(T::OptionValueS, Variant(T::DefaultOptionValueS)));
    valueToShow_ =
        CBool(PropBag->ReadProperty(T::ValueToShow, Variant::Bool(T::DefaultValueToShow)));
}

void GluPart_OptnValuS::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::OptionValueS, Variant(optionValueS_),
                           Variant(T::DefaultOptionValueS));
    PropBag->WriteProperty(T::ValueToShow, Variant::Bool(valueToShow_),
                           Variant::Bool(T::DefaultValueToShow));
}

}  // namespace tav
