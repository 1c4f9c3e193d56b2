#pragma once
#include "automation/values/AutomationError.h"
#include "automation/values/Object.h"

namespace tav {

// An object taken as a dispatch object, i.e. one that can be called by name (it has a member
// table). Nothing stays Nothing; an object that cannot be called by name is a type mismatch,
// as assigning it to a dispatch reference would be.
inline Ref<Object> asDispatch(const Ref<Object>& obj) {
    if (obj && !obj->classDesc()) throwTypeMismatch();
    return obj;
}

}  // namespace tav
