#pragma once
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "glues/StatelessGlue.h"

namespace tav {

namespace GluPart_ScalePropText {
inline constexpr std::string_view ClassName = "GluPart_ScaleProp";
inline constexpr std::string_view ClassHelp =
    "Scales a single numeric property. Inverse applied at storage time.";
inline constexpr std::string_view ScaleByCoef = "ScaleByCoef";
inline constexpr std::string_view CoefTooSmall =
    "Scale Coeficient is too small, inverse will fail, or be inacurate. The coeficient must be "
    "larger than 1e-100.";
inline constexpr std::string_view NumericRequired = "Invalid value, a numeric value is required.";
// Below this magnitude the inverse at storage time would be meaningless.
inline constexpr double SmallestCoef = 1e-100;
inline constexpr double DefaultCoef = 1.0;
}  // namespace GluPart_ScalePropText

// Shows the source value multiplied by ScaleByCoef and stores the control's value divided by
// it (a unit conversion on a text box, say).
class GluPart_ScaleProp : public Dispatchable<GluPart_ScaleProp>,
                          public StatelessGlue,
                          public Persistable {
  public:
    static ClassDesc describe();
    GluPart_ScaleProp();
    ~GluPart_ScaleProp() override;

    double ScaleByCoef() const { return scaleByCoef_; }
    // Error 5 for a coefficient smaller in magnitude than 1e-100 (zero included).
    void SetScaleByCoef(double dVal);

    // TheValue * ScaleByCoef; a value that is no number is the platform's type mismatch.
    void TransformForDisplay(Variant& TheValue) override;
    // TheValue / ScaleByCoef; a text that is no number fails with NumericRequired.
    void InvTransformForStorage(Variant& TheValue) override;

    void InitProperties() override;
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

  private:
    double scaleByCoef_ = GluPart_ScalePropText::DefaultCoef;
};

}  // namespace tav
