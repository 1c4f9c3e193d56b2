#pragma once
#include <cstdint>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVScopeContents.h"
#include "host/model/Scope.h"

namespace tav::hostmodel {

// What Scope.Contents gives: the scope's objects, read through to the scope.
class ScopeContents : public Dispatchable<ScopeContents>, public iTAVScopeContents {
  public:
    static ClassDesc describe();
    explicit ScopeContents(Ref<Scope> scope) : scope_(std::move(scope)) {}

    int32_t Count() override { return scope_->count(); }
    Ref<Object> Item(int32_t index) override { return scope_->item(index); }

  private:
    Ref<Scope> scope_;
};

}  // namespace tav::hostmodel
