#pragma once
#include <span>
#include <string_view>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Object.h"

// How the library makes its parts. Every class of the registered table (contracts/
// RegisteredClasses.h) that has been built gets one line in PartFactories.cpp:
//
//   #include "glues/GluPart_ScaleProp.h"
//   ...
//   factory<GluPart_ScaleProp>(),
//
// The class must derive from Dispatchable<Self> and be default-constructible; its table's
// name must be its registered name. Classes without a line are listed everywhere but
// creating them is error 429 "... is not available in this build".
namespace tav {

struct PartFactory {
    Ref<Object> (*create)();
    const ClassDesc& (*describe)();
};

template <class C>
PartFactory factory() {
    return PartFactory{[]() -> Ref<Object> { return Ref<Object>(makeRef<C>()); }, &C::table};
}

std::span<const PartFactory> partFactories();
// The factory of a registered class, or nullptr when it is not built.
const PartFactory* findPartFactory(std::string_view className);

}  // namespace tav
