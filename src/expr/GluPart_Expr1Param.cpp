#include "expr/GluPart_Expr1Param.h"

#include "automation/conversions/Conversions.h"
#include "util/DBugLifeTimes.h"

namespace tav {

namespace T = GluPart_Expr1ParamText;
namespace G = ExprGlueText;

ClassDesc GluPart_Expr1Param::describe() {
    using C = GluPart_Expr1Param;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::ShowExpression>(T::ShowExpression))
        .add(property<&C::StoreExpression>(T::StoreExpression))
        .implements<iTAVGluePart>()
        .implements<iTAVPerPropertyBrowsing>()
        .implements<Persistable>();
}

GluPart_Expr1Param::GluPart_Expr1Param() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }
GluPart_Expr1Param::~GluPart_Expr1Param() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }

bool GluPart_Expr1Param::previewValue(Variant& value) const {
    const IRef<iTAVParentBinding> parent = previewParent();
    if (!parent) return false;
    value = sourcePart()->Value(bindingItem()->SourcePropertyName());
    return true;
}

Ref<ExprEvaluator> GluPart_Expr1Param::ShowExpression() {
    ExprEvaluator& show = evaluator(show_);
    if (Variant value; previewValue(value)) show.SetNamedVariable(G::TheValue, value);
    return show_;
}

Ref<ExprEvaluator> GluPart_Expr1Param::StoreExpression() {
    ExprEvaluator& store = evaluator(store_);
    if (Variant value; previewValue(value)) {
        store.SetNamedVariable(G::TheValue, value);
        store.SetNamedVariable(G::TheOldValue, value);
    }
    return store_;
}

void GluPart_Expr1Param::TransformForDisplay(Variant& TheValue) {
    ExprEvaluator& show = evaluator(show_);
    show.SetNamedVariable(G::TheValue, TheValue);
    evaluator(store_).SetNamedVariable(G::TheOldValue, TheValue);
    TheValue = show.EvalExpresion();
}

void GluPart_Expr1Param::InvTransformForStorage(Variant& TheValue) {
    ExprEvaluator& store = evaluator(store_);
    store.SetNamedVariable(G::TheValue, TheValue);
    TheValue = store.EvalExpresion();
}

Variant GluPart_Expr1Param::GetPredefinedValue(std::string_view, std::string_view) { return Variant(); }

SafeArray GluPart_Expr1Param::GetPredefinedStrings(std::string_view) { return noPredefinedStrings(); }

std::string GluPart_Expr1Param::GetDisplayString(std::string_view PropertyName) {
    if (PropertyName == T::ShowExpression) return evaluator(show_).ExpressionString();
    if (PropertyName == T::StoreExpression) return evaluator(store_).ExpressionString();
    return {};
}

std::string GluPart_Expr1Param::MapPropertyToControlProgId(std::string_view) {
    return std::string(G::EditorProgId);
}

void GluPart_Expr1Param::InitProperties() {
    evaluator(show_).SetExpressionString(T::DefaultShowExpression);
    evaluator(store_).SetExpressionString(T::DefaultStoreExpression);
}

void GluPart_Expr1Param::ReadProperties(const Ref<PropertyBag>& PropBag) {
    evaluator(show_).SetExpressionString(CStr(PropBag->ReadProperty(T::ShowExpression, Variant(T::DefaultShowExpression))));
    evaluator(store_).SetExpressionString(
        CStr(PropBag->ReadProperty(T::StoreExpression, Variant(T::DefaultStoreExpression))));
}

void GluPart_Expr1Param::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::ShowExpression, Variant(evaluator(show_).ExpressionString()),
                           Variant(T::DefaultShowExpression));
    PropBag->WriteProperty(T::StoreExpression, Variant(evaluator(store_).ExpressionString()),
                           Variant(T::DefaultStoreExpression));
}

}  // namespace tav
