#pragma once
#include <cstdint>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Interfaces.h"
#include "contracts/iTAVMessageSink.h"
#include "contracts/iTAVOperationManager.h"
#include "contracts/iTAVScopeManager.h"

namespace tav {

// Hears the host's idle time. A cycle number below 1 starts a new idle period; the
// by-reference Boolean is the handlers' answer to the host.
class iTAVHostContainerEvents {
  public:
    virtual ~iTAVHostContainerEvents() = default;
    virtual void Idle(int32_t nIdleCycle, bool& bValue) = 0;
};

// The host container an in-scope source part is given as its source object.
class iTAVHostContainer {
  public:
    virtual ~iTAVHostContainer() = default;

    virtual IRef<iTAVOperationManager> OperationManager() = 0;
    virtual IRef<iTAVScopeManagerHolder> ScopeManagerHolder() = 0;
    virtual IRef<iTAVMessageSink> MessageSink() = 0;
    virtual ConnectionPoint<iTAVHostContainerEvents>& containerEvents() = 0;
};

}  // namespace tav
