#pragma once
#include "automation/objects/Interfaces.h"
#include "contracts/iTAVScopeContents.h"

namespace tav {

// A scope of the host application: a set of objects (the user's selection, say) that the
// scope manager can filter and transform (a host object).
class iTAVScope {
  public:
    virtual ~iTAVScope() = default;

    virtual IRef<iTAVScopeContents> Contents() = 0;
};

}  // namespace tav
