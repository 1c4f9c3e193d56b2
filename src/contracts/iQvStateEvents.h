#pragma once
#include "automation/objects/Interfaces.h"

namespace tav {

class iQvState;
class iQvStateProperty;

// What a universal state object tells those listening to it: one property's value changed,
// or the whole state was loaded anew.
class iQvStateEvents {
public:
    virtual ~iQvStateEvents() = default;

    virtual void PropertyChange(const IRef<iQvState>& pState, const IRef<iQvStateProperty>& pStateProperty) = 0;
    virtual void StateImport(const IRef<iQvState>& pState) = 0;
};

}  // namespace tav
