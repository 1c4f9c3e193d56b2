#pragma once
#include <string_view>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Guid.h"
#include "automation/objects/Interfaces.h"

namespace tav {

// Runs host commands by name (a host object handed out by the container root).
class iTAVCommandObject {
public:
    static constexpr Guid iid{"{04A7C3B5-3D8C-49E5-BD83-817A791079AA}"};
    static const InterfaceDesc& describeInterface();
    virtual ~iTAVCommandObject() = default;

    virtual void RunCommand(std::string_view CommandName) = 0;
};

// The host application's root object as the parts use it.
class iTAVContainerRoot {
public:
    static constexpr Guid iid{"{AAE7F8E2-B4CD-473F-A530-8F765ACA2FEC}"};
    static const InterfaceDesc& describeInterface();
    virtual ~iTAVContainerRoot() = default;

    virtual IRef<iTAVCommandObject> CommandObject() = 0;
};

}  // namespace tav
