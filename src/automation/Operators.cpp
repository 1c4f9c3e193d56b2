#include "automation/Operators.h"

#include "automation/AutomationError.h"
#include "automation/ErrorNumbers.h"

namespace tav {
// Placeholder until the operator rules land.
#define TAV_STUB2(name) \
    Variant name(const Variant&, const Variant&) { throwError(err::NotImplemented); }
TAV_STUB2(Add) TAV_STUB2(Sub) TAV_STUB2(Mul) TAV_STUB2(Div) TAV_STUB2(Pow) TAV_STUB2(IDiv)
TAV_STUB2(Mod) TAV_STUB2(Cat) TAV_STUB2(And) TAV_STUB2(Or)
Variant Neg(const Variant&) { throwError(err::NotImplemented); }
Variant Not(const Variant&) { throwError(err::NotImplemented); }
Comparison Cmp(const Variant&, const Variant&, const Locale&) { throwError(err::NotImplemented); }
}  // namespace tav
