#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "contracts/iQvEnumStateProperty.h"
#include "contracts/iQvStateProperty.h"
#include "contracts/iTAVGlueDirect.h"
#include "direct/ComboEnumLoader.h"
#include "direct/SuppressedEnumValues.h"

namespace tav {

namespace GluDrct_StateEnumIntoVbComboText {
inline constexpr std::string_view ClassName = "GluDrct_StateEnumIntoVbCombo";
inline constexpr std::string_view ClassHelp =
    "A direct glue that loads a combo box from an enumerated state property and binds the property to it.";
inline constexpr std::string_view SuppressedEnumValueS = "SuppressedEnumValueS";
inline constexpr std::string_view SuppressedEnumValueSHelp =
    "  A pipe delimited list of enum values to be Supressed. Supressed values are only shown when they are the "
    "current value.";
inline constexpr std::string_view DefaultText = "";
inline constexpr std::string_view NotAState = "The source object is not an iQvState.";
inline constexpr std::string_view NotEnumeratedHead = "The property '";
inline constexpr std::string_view NotEnumeratedTail = "' is not an enumerated type.";
// Read from the control by name, as from any combo box.
inline constexpr std::string_view ListCount = "ListCount";
}  // namespace GluDrct_StateEnumIntoVbComboText

// Shows an enumerated state property in a combo box: at WakeUp the property's items go to a
// ComboEnumLoader, which fills an empty combo box (one that already has items keeps them), shows
// a value as its item's name and gives back the value of a chosen name. Suppressed values are
// listed only while they are the current value.
class GluDrct_StateEnumIntoVbCombo : public Dispatchable<GluDrct_StateEnumIntoVbCombo>,
                                     public iTAVGlueDirect,
                                     public Persistable {
public:
    static ClassDesc describe();
    GluDrct_StateEnumIntoVbCombo();
    ~GluDrct_StateEnumIntoVbCombo() override;

    // Values joined by "|"; a piece that is no number fails with error 13. An awake glue hands
    // the values to its loader and reloads the combo box at once.
    std::string SuppressedEnumValueS() const { return suppressed_.text(); }
    void SetSuppressedEnumValueS(std::string_view NewValue);

    // Both need an awake glue (error 91 otherwise).
    Variant GetDisplayValue(Variant& TheValue) override;
    Variant GetStorageValue(Variant& TheValue) override;
    // Tears down first; a source that is no state or a property that is not enumerated is
    // error 5, a control that is no combo box error 13.
    void WakeUp(const Ref<Object>& SrcObj, std::string_view SrcPropName, const Ref<Object>& Cntrl) override;
    // Drops the loader and the property; the combo box keeps its items.
    void TearDown() override;

    void InitProperties() override {}
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

private:
    ComboEnumLoader& loader() const;
    [[noreturn]] static void refuse(std::string description);

    SuppressedEnumValues suppressed_;
    std::unique_ptr<ComboEnumLoader> loader_;
    IRef<iQvStateProperty> property_;
    IRef<iQvEnumStateProperty> enumerated_;
};

}  // namespace tav
