#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVDMUtility.h"

namespace tav::hostmodel {

// The model library's utility object (Host.DMUtility): property accessors for the properties
// the thread's schema declares (error 5 for any other name), and class filter texts, which are
// the class names themselves ("Filter:Model3d!" + "Atom").
class DMUtility : public Dispatchable<DMUtility>, public iTAVDMUtility {
  public:
    static ClassDesc describe();

    IRef<iTAVPropertyAccessor> PropertyAccessor(std::string_view propertyName, int32_t reserved,
                                                int32_t& status) override;
    std::string ClassFilterText(std::string_view className) override {
        return std::string(className);
    }
};

}  // namespace tav::hostmodel
