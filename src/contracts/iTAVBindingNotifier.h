#pragma once
#include <string_view>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Guid.h"

namespace tav {

// The framework's notifier a source part tells about changes (a host object).
class iTAVBindingNotifier {
public:
    static constexpr Guid iid{"{9351B1C1-5414-470B-97D7-416997F22F9B}"};
    static const InterfaceDesc& describeInterface();
    virtual ~iTAVBindingNotifier() = default;

    virtual void PropertyChanged(std::string_view PropertyName) = 0;
    virtual void SourceObjectAboutToChange() = 0;
    // Also called alone to say that every value may have changed.
    virtual void SourceObjectChanged() = 0;
    // True while the form is being designed.
    virtual bool DesignMode() = 0;
};

}  // namespace tav
