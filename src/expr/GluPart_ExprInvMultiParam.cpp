#include "expr/GluPart_ExprInvMultiParam.h"

#include "automation/values/AutomationError.h"
#include "automation/conversions/Conversions.h"
#include "automation/values/ErrorNumbers.h"
#include "util/DBugLifeTimes.h"
#include "util/Utils.h"

namespace tav {

namespace T = GluPart_ExprInvMultiParamText;
namespace G = ExprGlueText;

namespace {

// Where GetPredefinedValue and GetDisplayString fall back to: the names array's element 0.
constexpr int32_t kFallbackNameIndex = 0;

[[noreturn]] void raise(int32_t number, std::string_view description) {
    throw AutomationError(number, std::string(T::ClassName), std::string(description));
}

}  // namespace

ClassDesc GluPart_ExprInvMultiParam::describe() {
    using C = GluPart_ExprInvMultiParam;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::StoreExpression>(T::StoreExpression))
        .add(property<&C::StoreIntoProperty, &C::SetStoreIntoProperty>(T::StoreIntoProperty))
        .implements<iTAVGluePart>()
        .implements<iTAVPerPropertyBrowsing>()
        .implements<Persistable>();
}

GluPart_ExprInvMultiParam::GluPart_ExprInvMultiParam() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }
GluPart_ExprInvMultiParam::~GluPart_ExprInvMultiParam() { DBugLifeTimes::TraceLifetime(T::ClassName, this); }

Ref<ExprEvaluator> GluPart_ExprInvMultiParam::StoreExpression() {
    ExprEvaluator& store = evaluator(store_);
    // Without a binding item it is design time and there are no source variables to load; with
    // one but no parent binding the preview is skipped, as loading would need the parent.
    if (!bindingItem() || previewParent()) {
        store.SetNamedVariable(G::TheValue, Variant(T::PreviewTheValue));
        store.SetNamedVariable(G::TheOldValue, Variant(T::PreviewTheOldValue));
        loadSourceVariables();
    }
    return store_;
}

void GluPart_ExprInvMultiParam::SetStoreIntoProperty(std::string_view value) {
    storeIntoProperty_ = value;
    PropertyChanged(T::StoreIntoProperty);
}

void GluPart_ExprInvMultiParam::loadSourceVariables() {
    if (!bindingItem()) return;
    const SafeArray names = multiplePropertyNames(T::ClassName);
    const IRef<iTAVSourcePart> source = sourcePart();
    ExprEvaluator& store = evaluator(store_);
    for (int32_t i = names.lbound(1); i <= names.ubound(1); ++i) {
        const std::string name = CStr(names.at({i}));
        store.SetNamedVariable(name, source->Value(name));
    }
}

void GluPart_ExprInvMultiParam::TransformForDisplay(Variant& TheValue) {
    if (TheValue.isArray() || !IsNumeric(TheValue)) raise(err::ExprMulti723, T::ErrNotANumberShown);
    evaluator(store_).SetNamedVariable(G::TheOldValue, TheValue);
    loadSourceVariables();
}

void GluPart_ExprInvMultiParam::InvTransformForStorage(Variant& TheValue) {
    if (!IsNumeric(TheValue)) raise(err::ExprMulti724, T::ErrNotANumberEntered);
    if (storeIntoProperty_.empty()) raise(err::ExprMulti725, T::ErrNoTargetProperty);
    ExprEvaluator& store = evaluator(store_);
    store.SetNamedVariable(G::TheValue, TheValue);
    const IRef<iTAVSourcePart> source = sourcePart();
    const Variant current = source->Value(storeIntoProperty_);
    const Variant result = store.EvalExpresion();
    if (Utils::ValuesDiffer(result, current)) source->LetValue(storeIntoProperty_, result);
}

// The property names come from the binding item: without one there is nothing to offer.
Variant GluPart_ExprInvMultiParam::GetPredefinedValue(std::string_view PropertyName, std::string_view PreDefinedString) {
    if (PropertyName != T::StoreIntoProperty || !bindingItem()) return Variant();
    const SafeArray names = bindingItem()->SourcePropertyNames();
    for (int32_t i = names.lbound(1); i <= names.ubound(1); ++i) {
        const Variant& name = names.at({i});
        if (name.isString() && name.str() == PreDefinedString) return name;
    }
    return names.at({kFallbackNameIndex});
}

SafeArray GluPart_ExprInvMultiParam::GetPredefinedStrings(std::string_view PropertyName) {
    if (PropertyName != T::StoreIntoProperty || !bindingItem()) return noPredefinedStrings();
    return bindingItem()->SourcePropertyNames();
}

std::string GluPart_ExprInvMultiParam::GetDisplayString(std::string_view PropertyName) {
    if (PropertyName == T::StoreIntoProperty) {
        // The property page shows the first source property until one is chosen.
        if (storeIntoProperty_.empty() && bindingItem())
            storeIntoProperty_ = CStr(bindingItem()->SourcePropertyNames().at({kFallbackNameIndex}));
        return storeIntoProperty_;
    }
    if (PropertyName == T::StoreExpression) return evaluator(store_).ExpressionString();
    return {};
}

std::string GluPart_ExprInvMultiParam::MapPropertyToControlProgId(std::string_view PropertyName) {
    if (PropertyName == T::StoreExpression) return std::string(G::EditorProgId);
    return {};
}

void GluPart_ExprInvMultiParam::InitProperties() {
    ExprEvaluator& store = evaluator(store_);
    store.SetExpressionString(T::DefaultStoreExpression);
    store.SetNamedVariable(G::TheValue, Variant::R8(T::SampleTheValue));
    store.SetNamedVariable(G::TheOldValue, Variant::R8(T::SampleTheOldValue));
    storeIntoProperty_ = T::DefaultStoreIntoProperty;
}

void GluPart_ExprInvMultiParam::ReadProperties(const Ref<PropertyBag>& PropBag) {
    evaluator(store_).SetExpressionString(
        CStr(PropBag->ReadProperty(T::StoreExpression, Variant(T::DefaultStoreExpression))));
    storeIntoProperty_ = CStr(PropBag->ReadProperty(T::StoreIntoProperty, Variant(T::DefaultStoreIntoProperty)));
}

void GluPart_ExprInvMultiParam::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::StoreExpression, Variant(evaluator(store_).ExpressionString()),
                           Variant(T::DefaultStoreExpression));
    PropBag->WriteProperty(T::StoreIntoProperty, Variant(storeIntoProperty_), Variant(T::DefaultStoreIntoProperty));
}

}  // namespace tav
