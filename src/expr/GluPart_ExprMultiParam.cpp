#include "expr/GluPart_ExprMultiParam.h"

#include <limits>

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "util/DBugLifeTimes.h"

namespace tav {

namespace T = GluPart_ExprMultiParamText;
namespace G = ExprGlueText;

namespace {

constexpr int kRowDimension = 1;
constexpr int kColumnDimension = 2;

// Rows are counted with a 16-bit index.
int16_t rowIndex(int32_t bound) {
    if (bound < std::numeric_limits<int16_t>::min() || bound > std::numeric_limits<int16_t>::max()) throwOverflow();
    return static_cast<int16_t>(bound);
}

[[noreturn]] void raiseValueError(std::string_view description) {
    throw AutomationError(err::ExprMulti724, std::string(T::ClassName), std::string(description));
}

}  // namespace

ClassDesc GluPart_ExprMultiParam::describe() {
    using C = GluPart_ExprMultiParam;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::ShowExpression>(T::ShowExpression))
        .implements<iTAVGluePart>()
        .implements<iTAVPerPropertyBrowsing>()
        .implements<Persistable>();
}

GluPart_ExprMultiParam::GluPart_ExprMultiParam() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }
GluPart_ExprMultiParam::~GluPart_ExprMultiParam() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }

Ref<ExprEvaluator> GluPart_ExprMultiParam::ShowExpression() {
    evaluator(show_);
    if (previewParent()) {
        const SafeArray names = multiplePropertyNames(T::ClassName);
        const IRef<iTAVSourcePart> source = sourcePart();
        const int32_t first = names.lbound(kRowDimension), last = names.ubound(kRowDimension);
        SafeArray rows({{first, last - first + 1}, {T::NameColumn, T::ValueColumn - T::NameColumn + 1}});
        for (int32_t i = first; i <= last; ++i) {
            const Variant& name = names.at({i});
            rows.at({i, T::NameColumn}) = name;
            rows.at({i, T::ValueColumn}) = source->Value(CStr(name));
        }
        loadVariables(Variant(std::move(rows)));
    }
    return show_;
}

void GluPart_ExprMultiParam::loadRows(const Variant& rows) {
    if (!rows.isArray()) raiseValueError(T::ErrNotAnArray);
    const SafeArray& a = rows.array();
    if (a.ubound(kColumnDimension) != T::ValueColumn || a.lbound(kColumnDimension) != T::NameColumn)
        raiseValueError(T::ErrNotTwoColumns);
    ExprEvaluator& show = evaluator(show_);
    const int16_t first = rowIndex(a.lbound(kRowDimension)), last = rowIndex(a.ubound(kRowDimension));
    for (int32_t i = first; i <= last; ++i)
        show.SetNamedVariable(CStr(a.at({i, T::NameColumn})), a.at({i, T::ValueColumn}));
}

void GluPart_ExprMultiParam::loadVariables(const Variant& rows) {
    try {
        loadRows(rows);
    } catch (const AutomationError& e) {
        throw AutomationError(e.number(), std::string(T::ClassName), std::string(T::ErrLoadingVariables) + e.description());
    }
}

void GluPart_ExprMultiParam::TransformForDisplay(Variant& TheValue) {
    loadVariables(TheValue);
    TheValue = evaluator(show_).EvalExpresion();
}

void GluPart_ExprMultiParam::InvTransformForStorage(Variant&) {
    throw AutomationError(err::StopCycle, std::string(T::ClassName), std::string(T::StopStorage));
}

Variant GluPart_ExprMultiParam::GetPredefinedValue(std::string_view, std::string_view) { return Variant(); }

SafeArray GluPart_ExprMultiParam::GetPredefinedStrings(std::string_view) { return noPredefinedStrings(); }

std::string GluPart_ExprMultiParam::GetDisplayString(std::string_view PropertyName) {
    if (PropertyName == T::ShowExpression) return evaluator(show_).ExpressionString();
    return {};
}

std::string GluPart_ExprMultiParam::MapPropertyToControlProgId(std::string_view PropertyName) {
    if (PropertyName == T::ShowExpression) return std::string(G::EditorProgId);
    return {};
}

void GluPart_ExprMultiParam::InitProperties() { evaluator(show_).SetExpressionString(T::DefaultShowExpression); }

void GluPart_ExprMultiParam::ReadProperties(const Ref<PropertyBag>& PropBag) {
    evaluator(show_).SetExpressionString(
        CStr(PropBag->ReadProperty(T::ShowExpression, Variant(T::DefaultShowExpression))));
}

void GluPart_ExprMultiParam::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::ShowExpression, Variant(evaluator(show_).ExpressionString()),
                           Variant(T::DefaultShowExpression));
}

}  // namespace tav
