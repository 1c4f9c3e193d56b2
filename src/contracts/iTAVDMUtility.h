#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/objects/Interfaces.h"
#include "contracts/iTAVPropertyAccessor.h"

namespace tav {

// The 3D-model document library's utility object: property accessors by property name, and
// the text that names a class in a scope processor's name.
class iTAVDMUtility {
  public:
    // What a part creates.
    static constexpr std::string_view ProgId = "Host.DMUtility";

    virtual ~iTAVDMUtility() = default;

    virtual IRef<iTAVPropertyAccessor> PropertyAccessor(std::string_view propertyName,
                                                        int32_t reserved, int32_t& status) = 0;
    virtual std::string ClassFilterText(std::string_view className) = 0;
};

}  // namespace tav
