// The number of the automation error a piece of test code raises.
#pragma once
#include "automation/values/AutomationError.h"

namespace tav::testing_support {

// The error number `f` raises, or 0 when it raises none.
int errorOf(auto&& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace tav::testing_support
