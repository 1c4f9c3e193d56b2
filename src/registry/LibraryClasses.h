#pragma once
#include "contracts/ObjectCreation.h"

// The library's public classes in a class registry: classRegistry() (contracts/ObjectCreation.h)
// has them from the start; addLibraryClasses() puts them into another registry.
namespace tav {

void addLibraryClasses(ClassRegistry& registry);

}  // namespace tav
