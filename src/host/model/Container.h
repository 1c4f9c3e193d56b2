#pragma once
#include <cstdint>
#include <string>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVHostContainer.h"
#include "host/model/MessageSink.h"
#include "host/model/OperationManager.h"
#include "host/model/ScopeManager.h"
#include "host/model/ScopeManagerHolder.h"

namespace tav::hostmodel {

// The host container (Host.Container), the source object of in-scope parts: it owns a scope
// manager (through its holder), an operation manager and a message sink, and raises Idle when
// the host has time on its hands.
class Container : public Dispatchable<Container>, public iTAVHostContainer {
  public:
    static ClassDesc describe();
    Container();

    IRef<iTAVOperationManager> OperationManager() override { return operations_; }
    IRef<iTAVScopeManagerHolder> ScopeManagerHolder() override { return holder_; }
    IRef<iTAVMessageSink> MessageSink() override { return sink_; }
    // Raises Idle with the cycle number and a Boolean that starts true; returns what the
    // handlers left in it.
    bool Idle(int32_t Cycle);
    std::string Messages() { return sink_->Messages(); }
    ConnectionPoint<iTAVHostContainerEvents>& containerEvents() override { return idle_; }

    // --- from C++ ---
    hostmodel::ScopeManager& scopeManager() const { return *scopes_; }
    hostmodel::OperationManager& operationManager() const { return *operations_; }

  private:
    Ref<hostmodel::ScopeManager> scopes_ = makeRef<hostmodel::ScopeManager>();
    Ref<hostmodel::ScopeManagerHolder> holder_ = makeRef<hostmodel::ScopeManagerHolder>(scopes_);
    Ref<hostmodel::OperationManager> operations_ = makeRef<hostmodel::OperationManager>();
    Ref<hostmodel::MessageSink> sink_ = makeRef<hostmodel::MessageSink>();
    ConnectionPoint<iTAVHostContainerEvents> idle_;
};

}  // namespace tav::hostmodel
