#include "host/framework/ContainerRoot.h"

#include "host/framework/FrameworkText.h"

namespace tav {

ClassDesc ContainerRoot::describe() {
    return ClassDesc(std::string(FrameworkText::ContainerRoot), std::string(FrameworkText::ContainerRootHelp))
        .exposes<iTAVContainerRoot>();
}

}  // namespace tav
