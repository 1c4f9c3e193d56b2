#pragma once
#include "automation/objects/ClassDesc.h"
#include "automation/values/Variant.h"
#include "contracts/iTAVControlPart.h"

namespace tav {

// A control of a host form as the binding framework drives it: the display cycle hands it the
// value to show, which it converts to what it keeps (text, a Boolean, ...), and CurrentValue
// (iTAVControlPart) reports what it holds now, which is where a storage cycle starts.
class Control : public iTAVControlPart {
public:
    // Shows a value; a value the control cannot keep fails with the conversion's error and
    // leaves the control as it was.
    virtual void Show(const Variant& value) = 0;
};

}  // namespace tav
