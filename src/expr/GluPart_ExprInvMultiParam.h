#pragma once
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVPerPropertyBrowsing.h"
#include "expr/ExprGlue.h"

namespace tav {

namespace GluPart_ExprInvMultiParamText {
inline constexpr std::string_view ClassName = "GluPart_ExprInvMultiParam";
inline constexpr std::string_view ClassHelp =
    "One/many glues of this type perform the inverse of ExprMultiParam. Stores the result of 1 expresion into 1 "
    "named property. The BindingItem must have multiple source properties, must be after a ExprMultiParam in the "
    "glue chain. \r\n\r\n";
inline constexpr std::string_view StoreExpression = "StoreExpression";
inline constexpr std::string_view StoreIntoProperty = "StoreIntoProperty";
// One leading blank, two trailing blanks.
inline constexpr std::string_view DefaultStoreExpression = " TheValue + (MyProp1/MyProp2) * ( MyProp1 )  ";
inline constexpr std::string_view DefaultStoreIntoProperty = "";
// Sample values a new glue's store expression can be tried with.
inline constexpr double SampleTheValue = 4.8;
inline constexpr double SampleTheOldValue = 3.2;
// What an expression editor shows for the two values while the form is designed.
inline constexpr std::string_view PreviewTheValue = "value now coming from UI";
inline constexpr std::string_view PreviewTheOldValue = "previous value shown to UI";
inline constexpr std::string_view ErrNotANumberShown =
    "Expect TheValue to be converted to a numeric single before it reaches a GluPart_ExprInvMultiParam glue.\r\n"
    "Typically GluPart_ExprInvMultiParam glues should be preceded by a Glue of type: ExprMultiParam.";
inline constexpr std::string_view ErrNotANumberEntered = "The supplied value could not be converted to a number.";
inline constexpr std::string_view ErrNoTargetProperty = "Property to store Inverse Expression into is not set.";
}  // namespace GluPart_ExprInvMultiParamText

// Stores one source property of a multi-source binding: the result of its store expression of
// the value the user entered (TheValue), the number shown before (TheOldValue) and every source
// property's current value (a variable named like the property). It stands after a
// GluPart_ExprMultiParam in the chain, so at display it receives the shown number and passes it
// on; at storage it writes StoreIntoProperty through the binding's source part itself, only
// when the result differs from the property's current value.
class GluPart_ExprInvMultiParam : public Dispatchable<GluPart_ExprInvMultiParam>,
                                  public ExprGlue,
                                  public iTAVPerPropertyBrowsing,
                                  public Persistable {
public:
    static ClassDesc describe();
    GluPart_ExprInvMultiParam();
    ~GluPart_ExprInvMultiParam() override;

    // The store evaluator; on a live form being designed it first takes readable samples of
    // TheValue and TheOldValue and the current values of the source properties.
    Ref<ExprEvaluator> StoreExpression();
    void SetStoreIntoProperty(std::string_view value);
    std::string StoreIntoProperty() const { return storeIntoProperty_; }

    // Leaves TheValue as it is.
    void TransformForDisplay(Variant& TheValue) override;
    void InvTransformForStorage(Variant& TheValue) override;

    Variant GetPredefinedValue(std::string_view PropertyName, std::string_view PreDefinedString) override;
    SafeArray GetPredefinedStrings(std::string_view PropertyName) override;
    std::string GetDisplayString(std::string_view PropertyName) override;
    std::string MapPropertyToControlProgId(std::string_view PropertyName) override;

    void InitProperties() override;
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

private:
    // One variable per source property, holding its current value (nothing without a binding
    // item).
    void loadSourceVariables();

    Ref<ExprEvaluator> store_;
    std::string storeIntoProperty_;
};

}  // namespace tav
