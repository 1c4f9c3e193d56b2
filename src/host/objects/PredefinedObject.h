#pragma once
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "contracts/iTAVPerPropertyBrowsing.h"
#include "host/objects/AutoObject.h"

namespace tav {

// An automation object with run-time properties that offers predefined strings for some of
// them (Host.PredefinedObject): DefinePredefined(property, displayString, text1, value1, ...)
// gives the property its list of texts with their values and the display string it reports.
// Property names compare without regard to case, texts exactly.
class PredefinedObject : public AutoObject, public iTAVPerPropertyBrowsing {
public:
    static const ClassDesc& table();
    PredefinedObject() : AutoObject(table()) {}

    // Replaces what the property offered before.
    void DefinePredefined(std::string_view PropertyName, std::string_view DisplayString,
                          std::span<Variant> TextsAndValues);

    // The value of the text; Empty for a text or a property without predefined strings.
    Variant GetPredefinedValue(std::string_view PropertyName, std::string_view PreDefinedString) override;
    // The texts from index 0; unallocated for a property without predefined strings.
    SafeArray GetPredefinedStrings(std::string_view PropertyName) override;
    std::string GetDisplayString(std::string_view PropertyName) override;
    // No property has an editor of its own: always empty.
    std::string MapPropertyToControlProgId(std::string_view PropertyName) override;

private:
    struct Predefined {
        std::string property;
        std::string display;
        std::vector<std::pair<std::string, Variant>> choices;
    };
    const Predefined* find(std::string_view property) const;

    std::vector<Predefined> predefined_;
};

}  // namespace tav
