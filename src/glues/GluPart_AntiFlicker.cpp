#include "glues/GluPart_AntiFlicker.h"

#include "glues/StopCycle.h"
#include "util/Utils.h"

namespace tav {

namespace T = GluPart_AntiFlickerText;

ClassDesc GluPart_AntiFlicker::describe() {
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .implements<iTAVGluePart>()
        .implements<Persistable>();
}

void GluPart_AntiFlicker::WakeUp(const IRef<iTAVBindingItem>& pBindingItem) {
    if (!pBindingItem) throwError(err::ObjectNotSet);
    controlPart_ = pBindingItem->ControlPart();
}

void GluPart_AntiFlicker::TransformForDisplay(Variant& TheValue) {
    if (!controlPart_) return;
    bool same = false;
    try {
        // A control that cannot tell its value, or a value that cannot be compared, never
        // holds the display up.
        same = !Utils::ValuesDiffer(TheValue, controlPart_->CurrentValue());
    } catch (const AutomationError&) {
        return;
    }
    if (same) throwStopCycle();
}

void GluPart_AntiFlicker::InvTransformForStorage(Variant& /*TheValue*/) {}

void GluPart_AntiFlicker::TearDown() {
    controlPart_.reset();
}

void GluPart_AntiFlicker::OnBindingError(const IRef<iTAVBindingItem>& /*pBindingItem*/,
                                         int32_t /*ErrCtx*/) {}

}  // namespace tav
