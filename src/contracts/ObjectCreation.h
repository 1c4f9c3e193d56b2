#pragma once
#include <string_view>

#include "automation/server/ClassRegistry.h"
#include "automation/values/Guid.h"
#include "automation/values/Object.h"

// Creating objects by program id or class id, as a part does for a design-time sample object.
// The process-wide class registry holds the library's public classes from the start (under
// "SCTAVParts.<ClassName>") and whatever classes a host adds; the library fills it in
// registry/LibraryClasses.cpp.
namespace tav {

ClassRegistry& classRegistry();

inline Ref<Object> createObject(std::string_view progId) { return classRegistry().createObject(progId); }
inline Ref<Object> createObject(const Guid& clsid) { return classRegistry().createObject(clsid); }

}  // namespace tav
