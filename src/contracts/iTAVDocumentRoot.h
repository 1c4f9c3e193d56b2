#pragma once
#include <string>

namespace tav {

// The root of a host document (a 3D model): the parts only ask whether another party holds
// its lock.
class iTAVDocumentRoot {
  public:
    virtual ~iTAVDocumentRoot() = default;

    // The lock holder's name and whether the document is locked.
    virtual void LockState(std::string& holderName, bool& locked) = 0;
};

}  // namespace tav
