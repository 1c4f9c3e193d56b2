#pragma once
#include <string>

#include "automation/objects/ClassDesc.h"
#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Interfaces.h"
#include "contracts/iTAVScope.h"
#include "scope/FunneledPropertyHolder.h"

namespace tav {

// The events the in-scope objects source part raises to its host form
// (__SrcPart_InScopeIsdObjS), so that the form can take over getting the scope, reading,
// validating and storing. Every argument but the holder is by reference and starts empty or
// false; a handler that sets bHandled takes the step over.
class InScopeIsdObjSEvents {
  public:
    static const InterfaceDesc& describeInterface();
    virtual ~InScopeIsdObjSEvents() = default;

    virtual void RequestScope(IRef<iTAVScope>& pScope, bool& bHandled) = 0;
    virtual void RequestPropertyRead(const Ref<FunneledPropertyHolder>& pProp) = 0;
    virtual void RequestPropertyValidate(const Ref<FunneledPropertyHolder>& pProp,
                                         Variant& TheValue, bool& bHandled, bool& bFailure,
                                         std::string& sMessage) = 0;
    virtual void RequestPropertyStore(const Ref<FunneledPropertyHolder>& pProp, Variant& TheValue,
                                      bool& bHandled) = 0;
};

// What a form connects to in order to hear those events.
class InScopeEventSource {
  public:
    virtual ~InScopeEventSource() = default;
    virtual ConnectionPoint<InScopeIsdObjSEvents>& inScopeEvents() = 0;
};

}  // namespace tav
