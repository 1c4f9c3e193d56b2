#pragma once
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVPerPropertyBrowsing.h"
#include "expr/ExprGlue.h"

namespace tav {

namespace GluPart_Expr1ParamText {
inline constexpr std::string_view ClassName = "GluPart_Expr1Param";
inline constexpr std::string_view ClassHelp =
    "Allows a numeric expresion to be writen, based on TheValue, the result of which will be shown. Also an "
    "inverse function may be specified, which is used to store TheValue.\r\n"
    "May use: +-*/^  TheValue Sin Cos Tan Log IIf AbsVal Sign Atn";
inline constexpr std::string_view ShowExpression = "ShowExpression";
inline constexpr std::string_view StoreExpression = "StoreExpression";
// The expressions of a new glue (also the bag defaults): each ends with one blank.
inline constexpr std::string_view DefaultShowExpression = "( TheValue * PI + 2 ) ^ 2 ";
inline constexpr std::string_view DefaultStoreExpression = "( Sqr ( TheValue ) - 2 ) / PI ";
}  // namespace GluPart_Expr1ParamText

// Shows the result of an expression of the bound value (TheValue) and stores the result of an
// inverse expression of what the control holds (TheValue), which may also use the source value
// of the last display (TheOldValue).
class GluPart_Expr1Param : public Dispatchable<GluPart_Expr1Param>,
                           public ExprGlue,
                           public iTAVPerPropertyBrowsing,
                           public Persistable {
public:
    static ClassDesc describe();
    GluPart_Expr1Param();
    ~GluPart_Expr1Param() override;

    // The glue's own evaluators. On a live form being designed they first take the value the
    // binding shows now, so that an expression editor evaluates against it.
    Ref<ExprEvaluator> ShowExpression();
    Ref<ExprEvaluator> StoreExpression();

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
    // The source value the binding shows now, when previewing at design time.
    bool previewValue(Variant& value) const;

    Ref<ExprEvaluator> show_;
    Ref<ExprEvaluator> store_;
};

}  // namespace tav
