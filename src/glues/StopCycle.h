#pragma once
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"

namespace tav {

// Ends the current display or storage cycle quietly: the framework recognises the number and
// reports nothing, so the error carries neither source nor description.
[[noreturn]] inline void throwStopCycle() {
    throw AutomationError(err::StopCycle, {}, {});
}

}  // namespace tav
