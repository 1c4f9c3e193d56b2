#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/values/Object.h"
#include "automation/values/Variant.h"

namespace tav {

// One item of an enumeration as a combo loader keeps it. It is an object so that both of the
// loader's dictionaries can refer to the same record.
class EnumDataItem : public Object {
public:
    static constexpr std::string_view ClassName = "EnumDataItem";
    std::string_view typeName() const override;

    // The item's name in the enumeration, before munging.
    std::string EnumRawName;
    // Never an object or an array.
    Variant EnumValue;
    // Not listed unless it is the current value.
    bool IsSuppressed = false;
    // Where the item goes when shown: the number of items appended before it that were not
    // suppressed at the time.
    int32_t ItemInsertPos = 0;
};

}  // namespace tav
