#pragma once
#include <string>
#include <string_view>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Guid.h"
#include "automation/values/SafeArray.h"
#include "automation/values/Variant.h"

namespace tav {

// Design-time help for a part's (or a source object's) properties: predefined values, their
// display strings and the editor that edits a property.
class iTAVPerPropertyBrowsing {
public:
    static constexpr Guid iid{"{293D828B-ED01-4EC4-ABDB-1F7D842A5A15}"};
    static const InterfaceDesc& describeInterface();
    virtual ~iTAVPerPropertyBrowsing() = default;

    virtual Variant GetPredefinedValue(std::string_view PropertyName, std::string_view PreDefinedString) = 0;
    // An array of strings.
    virtual SafeArray GetPredefinedStrings(std::string_view PropertyName) = 0;
    virtual std::string GetDisplayString(std::string_view PropertyName) = 0;
    // The program id of a design-time editor; empty for none.
    virtual std::string MapPropertyToControlProgId(std::string_view PropertyName) = 0;
};

}  // namespace tav
