#pragma once
#include "host/framework/CycleFailure.h"

namespace tav {

// What hears a form's cycle failures as they happen (Form::failureEvents()): every failure the
// form records, including a display that fails after a program change, where no caller of a
// cycle is there to see the result. A sink is called after the cycle has ended; it must not
// destroy the form it listens to.
class CycleFailureSink {
  public:
    virtual ~CycleFailureSink() = default;
    virtual void cycleFailed(const CycleFailure& failure) = 0;
};

}  // namespace tav
