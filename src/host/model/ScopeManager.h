#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVScopeManager.h"
#include "host/model/TextLog.h"

namespace tav::hostmodel {

// The host's scope manager (Host.ScopeManager): the default scope (the user's selection, an
// empty scope at first) and the processors of ScopeProcessors.h. SelectScope makes a scope
// the default and raises DefaultScopeChanged. Processing Nothing gives Nothing.
//
// For tests it logs the processors asked for (Processed) and can make one fail
// (FailProcessor; number 0 makes it work again).
class ScopeManager : public Dispatchable<ScopeManager>, public iTAVScopeManager {
  public:
    static ClassDesc describe();
    ScopeManager();

    IRef<iTAVScope> DefaultScope() override { return default_; }
    void SelectScope(const IRef<iTAVScope>& Scope);
    IRef<iTAVScope> ProcessScope(const IRef<iTAVScope>& pScope,
                                 std::string_view processorName) override;
    std::string Processed() { return processed_.take(); }
    void FailProcessor(std::string_view processorName, int32_t number,
                       std::string_view description);
    ConnectionPoint<iTAVScopeManagerEvents>& scopeManagerEvents() override { return events_; }

  private:
    struct Failure {
        int32_t number;
        std::string description;
    };

    IRef<iTAVScope> default_;
    TextLog processed_;
    std::map<std::string, Failure, std::less<>> failures_;
    ConnectionPoint<iTAVScopeManagerEvents> events_;
};

}  // namespace tav::hostmodel
