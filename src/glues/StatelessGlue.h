#pragma once
#include "contracts/iTAVGluePart.h"

namespace tav {

// The binding-item half of iTAVGluePart for glues that transform TheValue alone: they keep no
// binding item, so WakeUp, TearDown and OnBindingError have nothing to do.
class StatelessGlue : public iTAVGluePart {
  public:
    void WakeUp(const IRef<iTAVBindingItem>& /*pBindingItem*/) override {}
    void TearDown() override {}
    void OnBindingError(const IRef<iTAVBindingItem>& /*pBindingItem*/,
                        int32_t /*ErrCtx*/) override {}
};

}  // namespace tav
