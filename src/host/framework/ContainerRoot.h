#pragma once
#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVContainerRoot.h"
#include "host/framework/CommandRegistry.h"

namespace tav {

// The host application's root object as a form's control finder hands it out: it gives the
// command object that runs host commands.
class ContainerRoot : public Dispatchable<ContainerRoot>, public iTAVContainerRoot {
public:
    static ClassDesc describe();

    IRef<iTAVCommandObject> CommandObject() override { return IRef<iTAVCommandObject>(commands_); }
    const Ref<CommandRegistry>& commands() const { return commands_; }

private:
    Ref<CommandRegistry> commands_ = makeRef<CommandRegistry>();
};

}  // namespace tav
