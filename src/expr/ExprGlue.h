#pragma once
#include <string_view>

#include "automation/objects/Interfaces.h"
#include "automation/values/SafeArray.h"
#include "contracts/iTAVBindingItem.h"
#include "contracts/iTAVGluePart.h"
#include "contracts/iTAVParentBinding.h"
#include "contracts/iTAVSourcePart.h"
#include "expr/ExprEvaluator.h"

namespace tav {

namespace ExprGlueText {
// The design-time editor of expressions.
inline constexpr std::string_view EditorProgId = "TAVDesignEditors.Editor_Expressions";
// The variables the glues give their evaluators.
inline constexpr std::string_view TheValue = "TheValue";
inline constexpr std::string_view TheOldValue = "TheOldValue";
inline constexpr std::string_view ErrNeedsMultipleProperties =
    "Expect parent BindingItem to have multiple source properties!";
}  // namespace ExprGlueText

// What the expression glues share: the binding item kept from WakeUp to TearDown, their
// evaluators made on first use, the design-time test and the reach from the binding item to
// the source part.
class ExprGlue : public iTAVGluePart {
public:
    void WakeUp(const IRef<iTAVBindingItem>& pBindingItem) override { bindingItem_ = pBindingItem; }
    void TearDown() override { bindingItem_.reset(); }
    void OnBindingError(const IRef<iTAVBindingItem>& /*pBindingItem*/, int32_t /*ErrCtx*/) override {}

protected:
    const IRef<iTAVBindingItem>& bindingItem() const { return bindingItem_; }

    // The parent binding of the binding item when the glue previews at design time: a live
    // form being designed. Without a binding item or parent binding the glue counts as being
    // designed but has nothing to preview with, so this gives none.
    IRef<iTAVParentBinding> previewParent() const;

    // The binding's source part (error 91 when there is no binding item, parent or source part).
    IRef<iTAVSourcePart> sourcePart() const;

    // The binding item's source property names; with fewer than two, error 0x800402D3 from
    // `source`.
    SafeArray multiplePropertyNames(std::string_view source) const;

    // The evaluator in `slot`, made on first use.
    static ExprEvaluator& evaluator(Ref<ExprEvaluator>& slot);

private:
    IRef<iTAVBindingItem> bindingItem_;
};

// An unallocated string array: no predefined values.
SafeArray noPredefinedStrings();

}  // namespace tav
