#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVScope.h"
#include "host/model/TextLog.h"
#include "scope/InScopeIsdObjSEvents.h"

namespace tav::hostmodel {

// A host form's handlers of an in-scope part's four events (Host.ScopeEvents), told what to do
// beforehand: answer RequestScope with a scope; set a property's apparent value on
// RequestPropertyRead; fail or take over validation; take over storing. Properties are named
// by their source names, in any letter case. It logs every event it hears.
class ScopeEvents : public Dispatchable<ScopeEvents>, public InScopeIsdObjSEvents {
  public:
    static ClassDesc describe();

    // Listens to the part from now on (one part at a time).
    void Attach(const Ref<Object>& Part);
    // RequestScope answers this scope, handled; Nothing stops handling it.
    void HandleScope(const IRef<iTAVScope>& Scope);
    void SetApparent(std::string_view PropertyName, const Variant& Value);
    void FailValidation(std::string_view PropertyName, std::string_view Message);
    void HandleValidation(std::string_view PropertyName, const Variant& Value,
                          std::string_view Message);
    void HandleStore(std::string_view PropertyName);
    // "RequestScope|RequestPropertyRead:NAME|..." since the last read.
    std::string Log() { return log_.take(); }

    void RequestScope(IRef<iTAVScope>& pScope, bool& bHandled) override;
    void RequestPropertyRead(const Ref<FunneledPropertyHolder>& pProp) override;
    void RequestPropertyValidate(const Ref<FunneledPropertyHolder>& pProp, Variant& TheValue,
                                 bool& bHandled, bool& bFailure, std::string& sMessage) override;
    void RequestPropertyStore(const Ref<FunneledPropertyHolder>& pProp, Variant& TheValue,
                              bool& bHandled) override;

  private:
    enum class Action : uint8_t { Apparent, FailValidation, HandleValidation, HandleStore };
    struct Rule {
        Action action;
        std::string property;
        Variant value;
        std::string message;
    };
    void setRule(Rule rule);
    const Rule* rule(Action action, const FunneledPropertyHolder& h) const;
    void heard(std::string_view event, const Ref<FunneledPropertyHolder>& h);

    Connection connection_;
    IRef<iTAVScope> scope_;
    bool handleScope_ = false;
    std::vector<Rule> rules_;
    TextLog log_;
};

}  // namespace tav::hostmodel
