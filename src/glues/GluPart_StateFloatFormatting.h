#pragma once
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVGluePart.h"

namespace tav {

namespace GluPart_StateFloatFormattingText {
inline constexpr std::string_view ClassName = "GluPart_StateFloatFormatting";
inline constexpr std::string_view ClassHelp =
    "Uses the PRECISION field of a state property to format TheValue. Use ONLY for Float or Double state "
    "properties!";
// The format always shows a digit before and one after the decimal separator; each further
// decimal the precision allows is optional.
inline constexpr std::string_view BaseFormat = "0.0";
inline constexpr char OptionalDigit = '#';
inline constexpr int32_t DecimalsOfBase = 1;
// No value shows a digit beyond this decimal: formatting keeps 15 significant digits, and the
// smallest double, 4.9E-324, ends at the 338th decimal. A greater precision gives the same
// text, so the format stops here rather than grow with the precision.
inline constexpr int32_t MostShownDecimals = 340;
}  // namespace GluPart_StateFloatFormattingText

// Shows a floating-point state property with as many decimals as its PRECISION allows (at
// least one); the text goes back to storage unaltered. It has no design-time properties: the
// format comes from the bound state property at each WakeUp.
class GluPart_StateFloatFormatting : public Dispatchable<GluPart_StateFloatFormatting>,
                                     public iTAVGluePart,
                                     public Persistable {
public:
    static ClassDesc describe();
    GluPart_StateFloatFormatting();
    ~GluPart_StateFloatFormatting() override;

    // A source that is no state, or a property that is not floating-point, is error 13; the
    // format stays as it was.
    void WakeUp(const IRef<iTAVBindingItem>& pBindingItem) override;
    // Unchanged before the first WakeUp.
    void TransformForDisplay(Variant& TheValue) override;
    void InvTransformForStorage(Variant& TheValue) override;
    // Keeps the format until the next WakeUp.
    void TearDown() override {}
    void OnBindingError(const IRef<iTAVBindingItem>&, int32_t) override {}

    void InitProperties() override {}
    void ReadProperties(const Ref<PropertyBag>&) override {}
    void WriteProperties(const Ref<PropertyBag>&) override {}

    const std::string& formatString() const { return format_; }
    // "0.0" followed by precision - 1 "#" (at most MostShownDecimals decimals in all).
    static std::string formatFor(int32_t precision);

private:
    std::string format_;
};

}  // namespace tav
