#pragma once
#include <functional>
#include <utility>

#include "automation/objects/ConnectionPoint.h"
#include "host/framework/CycleFailureSink.h"
#include "host/framework/Form.h"

namespace tav {

// A function that hears every cycle failure of a form for as long as this object lives:
//
//   FailureCallback onFailure(*form, [](const CycleFailure& f) { log(f.binding, f.description); });
//
// Either side may go first: the form going stops the calls, this object going disconnects.
class FailureCallback : private CycleFailureSink {
  public:
    FailureCallback(Form& form, std::function<void(const CycleFailure&)> call)
        : call_(std::move(call)), connection_(form.failureEvents().advise(*this)) {}
    FailureCallback(const FailureCallback&) = delete;
    FailureCallback& operator=(const FailureCallback&) = delete;

  private:
    void cycleFailed(const CycleFailure& failure) override { call_(failure); }

    std::function<void(const CycleFailure&)> call_;
    Connection connection_;
};

}  // namespace tav
