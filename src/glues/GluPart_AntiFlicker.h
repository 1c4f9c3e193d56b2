#pragma once
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVControlPart.h"
#include "contracts/iTAVGluePart.h"

namespace tav {

namespace GluPart_AntiFlickerText {
inline constexpr std::string_view ClassName = "GluPart_AntiFlicker";
inline constexpr std::string_view ClassHelp =
    "This glue prevents the display cycle if the UI-Control already has the value about to be "
    "stored. So "
    "preventing flicker. In general its best to allways set the UI, so use this only when needed.";
}  // namespace GluPart_AntiFlickerText

// Stops the display cycle when the control already shows the value about to be displayed, so
// that the control is not rewritten. It compares the value as the control shows it, so it
// belongs last in the chain.
class GluPart_AntiFlicker : public Dispatchable<GluPart_AntiFlicker>,
                            public iTAVGluePart,
                            public Persistable {
  public:
    static ClassDesc describe();

    // Keeps the binding item's control part; error 91 without a binding item.
    void WakeUp(const IRef<iTAVBindingItem>& pBindingItem) override;
    // The stop-cycle error when TheValue does not differ from the control's value; nothing
    // else ever leaves it.
    void TransformForDisplay(Variant& TheValue) override;
    void InvTransformForStorage(Variant& TheValue) override;
    void TearDown() override;
    void OnBindingError(const IRef<iTAVBindingItem>& pBindingItem, int32_t ErrCtx) override;

    // It has no design-time properties: the protocol is there because the host persists every
    // part it places, and there is nothing to keep.
    void InitProperties() override {}
    void ReadProperties(const Ref<PropertyBag>& /*PropBag*/) override {}
    void WriteProperties(const Ref<PropertyBag>& /*PropBag*/) override {}

  private:
    IRef<iTAVControlPart> controlPart_;
};

}  // namespace tav
