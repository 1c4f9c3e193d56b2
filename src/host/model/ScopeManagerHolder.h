#pragma once
#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVScopeManager.h"
#include "host/model/ScopeManager.h"

namespace tav::hostmodel {

// What hands the scope manager out (a container's ScopeManagerHolder).
class ScopeManagerHolder : public Dispatchable<ScopeManagerHolder>, public iTAVScopeManagerHolder {
  public:
    static ClassDesc describe();
    explicit ScopeManagerHolder(Ref<hostmodel::ScopeManager> manager)
        : manager_(std::move(manager)) {}

    IRef<iTAVScopeManager> ScopeManager() override { return manager_; }

  private:
    Ref<hostmodel::ScopeManager> manager_;
};

}  // namespace tav::hostmodel
