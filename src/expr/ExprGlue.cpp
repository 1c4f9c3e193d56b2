#include "expr/ExprGlue.h"

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"

namespace tav {

namespace {

template <class I>
const IRef<I>& required(const IRef<I>& ref) {
    if (!ref) throwError(err::ObjectNotSet);
    return ref;
}

}  // namespace

IRef<iTAVParentBinding> ExprGlue::previewParent() const {
    if (!bindingItem_) return {};
    IRef<iTAVParentBinding> parent = bindingItem_->Parent();
    if (!parent || !parent->DesignTime()) return {};
    return parent;
}

IRef<iTAVSourcePart> ExprGlue::sourcePart() const {
    IRef<iTAVSourcePart> source = required(required(required(bindingItem_)->Parent())->SourcePart());
    return source;
}

SafeArray ExprGlue::multiplePropertyNames(std::string_view source) const {
    SafeArray names = required(bindingItem_)->SourcePropertyNames();
    if (!(names.ubound(1) > names.lbound(1)))
        throw AutomationError(err::ExprMulti723, std::string(source), std::string(ExprGlueText::ErrNeedsMultipleProperties));
    return names;
}

ExprEvaluator& ExprGlue::evaluator(Ref<ExprEvaluator>& slot) {
    if (!slot) slot = makeRef<ExprEvaluator>();
    return *slot;
}

SafeArray noPredefinedStrings() { return SafeArray::unallocated(VarType::String); }

}  // namespace tav
