#include "glues/GluPart_StateFloatFormatting.h"

#include <algorithm>

#include "automation/format/Format.h"
#include "contracts/iQvFloatStateProperty.h"
#include "contracts/iQvState.h"
#include "contracts/iTAVBindingItem.h"
#include "contracts/iTAVParentBinding.h"
#include "contracts/iTAVSourcePart.h"
#include "util/DBugLifeTimes.h"

namespace tav {

namespace T = GluPart_StateFloatFormattingText;

ClassDesc GluPart_StateFloatFormatting::describe() {
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .implements<iTAVGluePart>()
        .implements<Persistable>();
}

GluPart_StateFloatFormatting::GluPart_StateFloatFormatting() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }
GluPart_StateFloatFormatting::~GluPart_StateFloatFormatting() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }

std::string GluPart_StateFloatFormatting::formatFor(int32_t precision) {
    std::string format(T::BaseFormat);
    const int32_t decimals = std::min(precision, T::MostShownDecimals);
    if (decimals > T::DecimalsOfBase) format.append(static_cast<size_t>(decimals - T::DecimalsOfBase), T::OptionalDigit);
    return format;
}

void GluPart_StateFloatFormatting::WakeUp(const IRef<iTAVBindingItem>& pBindingItem) {
    if (!pBindingItem) throwError(err::ObjectNotSet);
    const std::string name = pBindingItem->SourcePropertyName();
    const IRef<iTAVParentBinding> parent = pBindingItem->Parent();
    if (!parent) throwError(err::ObjectNotSet);
    const IRef<iTAVSourcePart> source = parent->SourcePart();
    if (!source) throwError(err::ObjectNotSet);
    const IRef<iQvState> state = query<iQvState>(source->SourceObject().get());
    if (!state) throwError(err::ObjectNotSet);
    const IRef<iQvStateProperty> property = state->Property(name);
    const IRef<iQvFloatStateProperty> floating = query<iQvFloatStateProperty>(property.object());
    format_ = formatFor(floating->Precision());
}

void GluPart_StateFloatFormatting::TransformForDisplay(Variant& TheValue) {
    if (!format_.empty()) TheValue = Format(TheValue, format_);
}

void GluPart_StateFloatFormatting::InvTransformForStorage(Variant&) {}

}  // namespace tav
