#pragma once
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "glues/StatelessGlue.h"

namespace tav {

namespace GluPart_OptnValuSText {
inline constexpr std::string_view ClassName = "GluPart_OptnValuS";
inline constexpr std::string_view ClassHelp =
    "Shows a TheValue as true/false if TheValue matches ANY of the OptionValueS. Never stores a "
    "value, stops "
    "storage.";
inline constexpr std::string_view OptionValueS = "OptionValueS";
inline constexpr std::string_view ValueToShow = "ValueToShow";
inline constexpr std::string_view OptionValueSHelp =
    "A pipe '|' delimited list of Option-ValueS. If the  the source values matches any of the "
    "Option-ValueS "
    "then True (or false) is shown. ";
inline constexpr std::string_view ValueToShowHelp =
    "This is the value that will be shown if the source value matches any of the option values. ";
inline constexpr std::string_view Separator = "|";
inline constexpr std::string_view DefaultOptionValueS = "";
inline constexpr bool DefaultValueToShow = true;
}  // namespace GluPart_OptnValuSText

// Shows whether the source value is one of a list of values (to enable a control by a
// criterion, say). It never stores.
class GluPart_OptnValuS : public Dispatchable<GluPart_OptnValuS>,
                          public StatelessGlue,
                          public Persistable {
  public:
    static ClassDesc describe();
    GluPart_OptnValuS();
    ~GluPart_OptnValuS() override;

    std::string OptionValueS() const { return optionValueS_; }
    void SetOptionValueS(std::string_view strNewValue);
    bool ValueToShow() const { return valueToShow_; }
    void SetValueToShow(bool bNewValue);

    // Every "|" piece takes part as it is (empty pieces too, blanks kept); the first piece that
    // does not differ from TheValue is a match.
    void TransformForDisplay(Variant& TheValue) override;
    // Always stops the storage cycle.
    void InvTransformForStorage(Variant& TheValue) override;

    void InitProperties() override;
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

  private:
    bool matchesAny(const Variant& value) const;

    std::string optionValueS_{GluPart_OptnValuSText::DefaultOptionValueS};
    bool valueToShow_ = GluPart_OptnValuSText::DefaultValueToShow;
};

}  // namespace tav
