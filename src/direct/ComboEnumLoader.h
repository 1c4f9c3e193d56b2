#pragma once
#include <cstdint>
#include <string>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "automation/objects/Dictionary.h"
#include "automation/objects/Interfaces.h"
#include "automation/values/Variant.h"
#include "contracts/iTAVComboBox.h"
#include "direct/EnumDataItem.h"

namespace tav {

namespace ComboEnumLoaderText {
inline constexpr std::string_view ErrSource = "ComboEnumLoader";
inline constexpr std::string_view Underscore = "_";
inline constexpr std::string_view PrefixMissingHead = "The enum item: '";
inline constexpr std::string_view PrefixMissingMiddle = "' does not have the expected prefix: '";
inline constexpr std::string_view ObjectValue = "Cant use object types as vEnumValue";
inline constexpr std::string_view ArrayValue = "Cant use array types as vEnumValue";
inline constexpr std::string_view RoundTripHead = "The raw enum-name: '";
inline constexpr std::string_view RoundTripTail =
    "' should be unchanged by cycle of munge & un-munge. But it is changed. Current settings of "
    "RemoveEnumPrefix & ReplaceUnderscores may be relevant.";
inline constexpr std::string_view NotFoundForValue = "Enum item not found: ";
inline constexpr std::string_view NotFoundForEnumValue = "Enum item not found for enum-value.";
inline constexpr std::string_view NotFoundForRawName = "Enum item not found for raw name:";
}  // namespace ComboEnumLoaderText

// Fills a combo box with the items of one enumeration and translates between item values and
// the texts shown. Names are shown munged (RemoveEnumPrefix cut off, "_" replaced by
// ReplaceUnderscores); un-munging a shown text must give the raw name back, which every
// appended item is checked for. Suppressed items are not listed; one appears only while it is
// the value being shown, at the place it would have had among the others.
class ComboEnumLoader {
public:
    ComboEnumLoader();

    IRef<iTAVComboBox> ComboControl;
    std::string RemoveEnumPrefix;
    std::string ReplaceUnderscores;

    // Error 5 for an object or array value, or a name that munging cannot give back; 457
    // (the dictionary's) for a value or raw name already present.
    void AppendEnumItem(std::string_view strRawEnumName, const Variant& vEnumValue, bool bSuppressed);
    // Suppresses exactly the items with these values (an array of Longs, or no array).
    void SetEnumSuppressionByValues(const Variant& anSupressedEnumValues);
    // Forgets every item; the combo box keeps its entries.
    void RemoveAllEnumItems();
    Variant ClearAndLoadComboWithNormalItems();
    // The text of the value; puts it into the list when it is suppressed, and takes out any
    // other suppressed entry. The selection is left to the caller.
    std::string PrepareComboToShowValue(const Variant& TheValue);
    // The value of the selected entry; Empty when nothing is selected.
    Variant GetEnumValueFromCombo();
    Variant GetEnumValueFromDisplayString(std::string_view strPrettyEnumName);

private:
    std::string munge(std::string_view raw) const;
    std::string unMunge(std::string_view display) const;
    EnumDataItem* itemByValue(const Variant& value) const;
    EnumDataItem* itemByRawName(std::string_view raw) const;
    // Error 5 when the text is no item's.
    EnumDataItem& itemByDisplayString(std::string_view display) const;
    iTAVComboBox& combo() const;
    // Forgets what depends on the munging settings when they have changed since last asked.
    void followSettings() const;
    // Takes out every suppressed entry but those of `item`, and adds the item's text when the
    // list does not have it.
    void showInList(iTAVComboBox& box, EnumDataItem& item, const std::string& text);
    bool listKnown(const iTAVComboBox& box) const;
    // Whether the entry is exactly the item's munged name.
    bool isShownAs(const EnumDataItem& item, std::string_view entry) const;
    // Records the list of ComboControl as it is now.
    void rememberList();

    Ref<Dictionary> itemsByValue_;
    Ref<Dictionary> itemsByRawName_;
    int32_t nextInsertPos_ = 0;

    // Showing a value looks up every entry of the list by its text; the items found are
    // remembered. A found item stays right until the items are removed or the munging
    // settings change (appending only adds raw names the dictionary did not have).
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };
    mutable std::unordered_map<std::string, EnumDataItem*, TextHash, std::equal_to<>> foundByDisplay_;
    mutable std::string foundWithPrefix_;
    mutable std::string foundWithUnderscores_;

    // The combo box's entries as items, as this loader last left them: valid while the box is
    // the same, its list revision is the one recorded, the items are the same and the munging
    // settings have not changed. Every entry was then the munged name of its item, so comparing
    // items is comparing texts, and showing a value needs no text of the list.
    mutable std::vector<EnumDataItem*> listItems_;
    mutable IRef<iTAVComboBox> listBox_;
    mutable uint64_t listRevision_ = 0;
};

}  // namespace tav
