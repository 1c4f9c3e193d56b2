#pragma once
#include <string>

#include "automation/values/Object.h"
#include "host/state/StateProperties.h"

namespace tav {

// What a state meta file defines: the state's type name and its properties, with their values.
struct StateDefinition {
    std::string typeName;
    Ref<StateProperties> properties;
};

}  // namespace tav
