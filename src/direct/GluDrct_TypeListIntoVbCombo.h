#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "automation/values/Variant.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVGlueDirect.h"
#include "contracts/iTAVPerPropertyBrowsing.h"
#include "direct/ComboEnumLoader.h"
#include "direct/SuppressedEnumValues.h"

namespace tav {

namespace GluDrct_TypeListIntoVbComboText {
inline constexpr std::string_view ClassName = "GluDrct_TypeListIntoVbCombo";
inline constexpr std::string_view ClassHelp =
    "Binds a combo box to a property and lists the property's possible values: its predefined "
    "strings, True and False, or the items of its enumeration.";
inline constexpr std::string_view SuppressedEnumValueS = "SuppressedEnumValueS";
inline constexpr std::string_view ReplaceUnderscores = "ReplaceUnderscores";
inline constexpr std::string_view RemoveEnumPrefix = "RemoveEnumPrefix";
inline constexpr std::string_view SuppressedEnumValueSHelp =
    "  A pipe delimited list of enum values to be Supressed. Supressed values are only shown when they "
    "are the current value.";
inline constexpr std::string_view ReplaceUnderscoresHelp =
    "Underscores in enum item names will be replaced by this string before display.";
inline constexpr std::string_view RemoveEnumPrefixHelp =
    "A prefix that will be removed from every enum item name before display. ";
// Bag keys: the suppressed values are saved under a key that differs in case from the property.
inline constexpr std::string_view KeySuppressedEnumValues = "SuppressedEnumValues";
inline constexpr std::string_view KeyRemoveEnumPrefix = "RemoveEnumPrefix";
inline constexpr std::string_view KeyReplaceUnderscores = "ReplaceUnderscores";
inline constexpr std::string_view DefaultText = "";
inline constexpr std::string_view ListTypeUnknown =
    "Cant call iTAVGlueDirect_GetDisplayValue when the list type is invalid/unknown for the given propery.";
inline constexpr std::string_view NoTypeListHead = "No Type based list availible for property '";
inline constexpr std::string_view NoTypeListTail = "'";
}  // namespace GluDrct_TypeListIntoVbComboText

// A direct glue between a combo box and one property of a source object. The list is the
// property's predefined strings when the source object offers them, else True and False for
// a Boolean property, else the items of the property's enumeration (munged and with optional
// suppression, through a ComboEnumLoader). Whatever goes wrong while the list is built leaves
// the glue without a list; display and storage then fail.
class GluDrct_TypeListIntoVbCombo : public Dispatchable<GluDrct_TypeListIntoVbCombo>,
                                    public iTAVGlueDirect,
                                    public Persistable {
public:
    // How the list was built.
    enum ListType : int32_t { Unknown = 0, PredefinedStrings = 1, BooleanType = 2, EnumerationType = 3 };

    static ClassDesc describe();
    GluDrct_TypeListIntoVbCombo();
    ~GluDrct_TypeListIntoVbCombo() override;

    // Values joined by "|"; the let fails with error 13 at a piece that is no number, keeping
    // the values before it. An awake glue reloads its combo box at once.
    std::string SuppressedEnumValueS() const { return suppressed_.text(); }
    void SetSuppressedEnumValueS(std::string_view NewValue);
    // These two take effect at the next WakeUp.
    std::string ReplaceUnderscores() const { return replaceUnderscores_; }
    void SetReplaceUnderscores(std::string_view NewValue);
    std::string RemoveEnumPrefix() const { return removeEnumPrefix_; }
    void SetRemoveEnumPrefix(std::string_view NewValue);

    Variant GetDisplayValue(Variant& TheValue) override;
    Variant GetStorageValue(Variant& TheValue) override;
    // A control that is no combo box is error 13; later errors are swallowed.
    void WakeUp(const Ref<Object>& SrcObj, std::string_view SrcPropName, const Ref<Object>& Cntrl) override;
    void TearDown() override;

    void InitProperties() override;
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

    ListType listType() const { return listType_; }

private:
    void loadList();
    // False when the list ended with predefined strings.
    bool loadPredefinedStrings();
    void loadFromPropertyType();
    [[noreturn]] void noTypeList() const;

    std::unique_ptr<ComboEnumLoader> loader_;
    Ref<Object> srcObj_;
    std::string srcPropName_;
    IRef<iTAVPerPropertyBrowsing> browsing_;
    ListType listType_ = Unknown;
    SuppressedEnumValues suppressed_;
    std::string replaceUnderscores_;
    std::string removeEnumPrefix_;
};

}  // namespace tav
