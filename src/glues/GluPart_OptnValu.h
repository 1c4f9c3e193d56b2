#pragma once
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "glues/StatelessGlue.h"

namespace tav {

namespace GluPart_OptnValuText {
inline constexpr std::string_view ClassName = "GluPart_OptnValu";
inline constexpr std::string_view ClassHelp =
    "Transforms TheValue into true/false if TheValue matches the OptionValue.";
inline constexpr std::string_view OptionValue = "OptionValue";
inline constexpr std::string_view ValueToShow = "ValueToShow";
// The designer's help texts; the first is cut where the type library cut it.
inline constexpr std::string_view OptionValueHelp =
    "A single string or integer value. (Assuming ValueToShow=True)... When the source value "
    "matches this "
    "OptionValue, True is shown. For all other non-matching source values,  False is shown. \r\nIf "
    "the UI "
    "Value is True the OptionValue is stored, otherwise stor";
inline constexpr std::string_view ValueToShowHelp =
    "This value will be 'shown' when the source value matches the OptionValue. Default = "
    "True.\r\nAt "
    "storgae time,  if the UI value equals this, the Option Value will be stored, otherwise "
    "storage stops.";
inline constexpr std::string_view DefaultOptionValue = "";
inline constexpr bool DefaultValueToShow = true;
}  // namespace GluPart_OptnValuText

// One radio button (or check box) per option value of a source property: the control shows
// ValueToShow when the source value matches OptionValue, and storing ValueToShow stores the
// option value; storing anything else stores nothing.
class GluPart_OptnValu : public Dispatchable<GluPart_OptnValu>,
                         public StatelessGlue,
                         public Persistable {
  public:
    static ClassDesc describe();
    GluPart_OptnValu();
    ~GluPart_OptnValu() override;

    Variant OptionValue() const { return optionValue_; }
    // Keeps CNum of the value, so that the text 2 matches the number 2 as a number.
    void SetOptionValue(const Variant& vNewValue);
    bool ValueToShow() const { return valueToShow_; }
    void SetValueToShow(bool bNewValue);

    void TransformForDisplay(Variant& TheValue) override;
    // Stops the storage cycle unless the control shows ValueToShow.
    void InvTransformForStorage(Variant& TheValue) override;

    void InitProperties() override;
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

  private:
    Variant optionValue_{GluPart_OptnValuText::DefaultOptionValue};
    bool valueToShow_ = GluPart_OptnValuText::DefaultValueToShow;
};

}  // namespace tav
