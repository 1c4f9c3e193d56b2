#pragma once
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVPerPropertyBrowsing.h"
#include "expr/ExprGlue.h"

namespace tav {

namespace GluPart_ExprMultiParamText {
inline constexpr std::string_view ClassName = "GluPart_ExprMultiParam";
inline constexpr std::string_view ClassHelp =
    "Allows a numeric expresion to be writen, based on multiple source properties, the result of which will be "
    "shown. The Binding must have multiple source properties. This glue pervents storage! - use ExprInvMuliParam "
    "glue(s) to do storage.\r\n";
inline constexpr std::string_view ShowExpression = "ShowExpression";
// Two blanks before the closing bracket, one after it.
inline constexpr std::string_view DefaultShowExpression = "Sqr ( MyProp1 ^ 2 + MyProp2 ^ 2  ) ";
inline constexpr std::string_view StopStorage = "silently stop storage cycle.";
inline constexpr std::string_view ErrNotAnArray = "Expected 'TheValue' to be a 2D array of values.";
inline constexpr std::string_view ErrNotTwoColumns = "Expected 'TheValue' to have 2 columns.";
inline constexpr std::string_view ErrLoadingVariables = "Failed to set Named Variables from 'TheValue'.\r\n";
// Columns of the multi-property value: (row, 0) the property name, (row, 1) its value.
inline constexpr int32_t NameColumn = 0;
inline constexpr int32_t ValueColumn = 1;
}  // namespace GluPart_ExprMultiParamText

// Shows one number computed from all the source properties of a multi-source binding, each a
// variable named like its property, and ends every storage cycle: the GluPart_ExprInvMultiParam
// glues after it in the chain store the properties themselves.
//
// The framework hands such a binding's value over as a two-dimensional array: one row per
// source property, column 0 its name and column 1 its value.
class GluPart_ExprMultiParam : public Dispatchable<GluPart_ExprMultiParam>,
                               public ExprGlue,
                               public iTAVPerPropertyBrowsing,
                               public Persistable {
public:
    static ClassDesc describe();
    GluPart_ExprMultiParam();
    ~GluPart_ExprMultiParam() override;

    // The show evaluator; on a live form being designed it first takes the current values of
    // the source properties.
    Ref<ExprEvaluator> ShowExpression();

    void TransformForDisplay(Variant& TheValue) override;
    // Always the stop-cycle error: this glue stores nothing.
    void InvTransformForStorage(Variant& TheValue) override;

    Variant GetPredefinedValue(std::string_view PropertyName, std::string_view PreDefinedString) override;
    SafeArray GetPredefinedStrings(std::string_view PropertyName) override;
    std::string GetDisplayString(std::string_view PropertyName) override;
    std::string MapPropertyToControlProgId(std::string_view PropertyName) override;

    void InitProperties() override;
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

private:
    // Sets one variable per row of a multi-property value; every error comes out with this
    // class as source and ErrLoadingVariables in front of its message.
    void loadVariables(const Variant& rows);
    void loadRows(const Variant& rows);

    Ref<ExprEvaluator> show_;
};

}  // namespace tav
