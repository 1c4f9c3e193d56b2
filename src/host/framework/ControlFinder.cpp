#include "host/framework/ControlFinder.h"

#include "host/framework/FrameworkText.h"

namespace tav {

ClassDesc ControlFinder::describe() {
    return ClassDesc(std::string(FrameworkText::ControlFinder), std::string(FrameworkText::ControlFinderHelp))
        .exposes<iTAVControlFinder>();
}

Ref<Object> ControlFinder::FindControl(const Variant& Name) {
    if (!Name.isString()) return {};
    if (Name.str() == kContainerRoot) return Ref<Object>(root_);
    for (const auto& [name, object] : named_)
        if (equalsNoCase(name, Name.str())) return object;
    return {};
}

void ControlFinder::addNamed(std::string name, Ref<Object> object) {
    named_.emplace_back(std::move(name), std::move(object));
}

}  // namespace tav
