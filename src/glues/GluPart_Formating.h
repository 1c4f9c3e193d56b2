#pragma once
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "glues/StatelessGlue.h"
#include "glues/gfFormatTypes.h"

namespace tav {

namespace GluPart_FormatingText {
inline constexpr std::string_view ClassName = "GluPart_Formating";
inline constexpr std::string_view ClassHelp =
    "Allows values to formated. Take care that format strings will localise correctly. The listed "
    "formats do "
    "localise.";
inline constexpr std::string_view FormatString = "FormatString";
inline constexpr std::string_view FormatType = "FormatType";
inline constexpr std::string_view StoreAsNumber = "StoreAsNumber";
inline constexpr std::string_view StoreAsNumberHelp =
    "Try to convert TheValue to a number when storing?";
inline constexpr gfFormatTypes DefaultFormatType = gf_ConditionalScientific;
inline constexpr bool DefaultStoreAsNumber = true;
}  // namespace GluPart_FormatingText

// Turns the value on its way to the control into text by a listed format (gfFormatTypes) or
// the designer's own format string, and optionally turns the control's text back into a
// number on its way to storage. The three properties keep each other consistent as they are
// set one by one: picking a listed format rewrites FormatString, typing the text of a listed
// format picks it, typing any other text picks gf_Custom; the format type decides StoreAsNumber.
class GluPart_Formating : public Dispatchable<GluPart_Formating>,
                          public StatelessGlue,
                          public Persistable {
  public:
    static ClassDesc describe();
    GluPart_Formating();
    ~GluPart_Formating() override;

    std::string FormatString() const { return formatString_; }
    void SetFormatString(std::string_view strNewValue);
    gfFormatTypes FormatType() const { return formatType_; }
    // A type outside the enumeration is kept and announced, then fails with error 9 (6 beyond
    // the 16-bit range) before anything else changes.
    void SetFormatType(gfFormatTypes eNewValue);
    bool StoreAsNumber() const { return storeAsNumber_; }
    void SetStoreAsNumber(bool bNewValue);

    void TransformForDisplay(Variant& TheValue) override;
    // With StoreAsNumber, text that reads as a number goes to storage as one (CNum).
    void InvTransformForStorage(Variant& TheValue) override;

    void InitProperties() override;
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

    // The format string of a listed type ("" for gf_Custom); error 9 for a value outside the
    // enumeration, 6 beyond the 16-bit range.
    static std::string_view formatStringOf(int32_t formatType);
    // The listed type whose format string is exactly this text; gf_Custom when none is.
    static gfFormatTypes formatTypeOf(std::string_view formatString);
    // Whether values shown by this type are numbers, so that storage should turn text back
    // into numbers.
    static bool isNumericType(int32_t formatType);

  private:
    std::string formatString_;
    gfFormatTypes formatType_ = GluPart_FormatingText::DefaultFormatType;
    bool storeAsNumber_ = GluPart_FormatingText::DefaultStoreAsNumber;
};

}  // namespace tav
