#pragma once
#include "automation/objects/ClassDesc.h"
#include "automation/values/Guid.h"
#include "automation/objects/Interfaces.h"
#include "automation/values/Variant.h"
#include "contracts/iTAVBindingItem.h"

// Framework interfaces are pure abstract classes, not Objects: a part derives from
// Dispatchable<Part> and from the interfaces it implements, and lists them in its table
// (ClassDesc::implements<I>()), so the framework calls them as virtuals (through an IRef<I>
// from query<I>()) and scripts call them by name ("iTAVGluePart.TransformForDisplay").
namespace tav {

// A glue part: transforms the value of a binding on its way to the control (display) and back
// (storage). Either transform may end its cycle quietly by raising err::StopCycle.
class iTAVGluePart {
public:
    static constexpr Guid iid{"{F14C92B8-1415-49DD-BBE4-44E9DB00FE60}"};
    static const InterfaceDesc& describeInterface();
    virtual ~iTAVGluePart() = default;

    virtual void WakeUp(const IRef<iTAVBindingItem>& pBindingItem) = 0;
    virtual void TransformForDisplay(Variant& TheValue) = 0;
    virtual void InvTransformForStorage(Variant& TheValue) = 0;
    // After this the glue holds no reference it took at WakeUp.
    virtual void TearDown() = 0;
    virtual void OnBindingError(const IRef<iTAVBindingItem>& pBindingItem, int32_t ErrCtx) = 0;
};

}  // namespace tav
