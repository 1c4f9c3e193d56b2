#pragma once
#include <string>
#include <string_view>

#include "automation/objects/ClassDesc.h"
#include "automation/values/Guid.h"
#include "automation/objects/Interfaces.h"
#include "automation/values/SafeArray.h"
#include "automation/values/Variant.h"
#include "contracts/iTAVBindingNotifier.h"

namespace tav {

// A source part: reads and writes named properties of its source object and tells its
// notifier about changes.
class iTAVSourcePart {
public:
    static constexpr Guid iid{"{8FBD7244-BB75-4E75-AC87-A4CBE9CE4722}"};
    static const InterfaceDesc& describeInterface();
    virtual ~iTAVSourcePart() = default;

    virtual Variant Value(std::string_view PropertyName) = 0;
    virtual void LetValue(std::string_view PropertyName, const Variant& NewValue) = 0;
    virtual void SetValue(std::string_view PropertyName, const Variant& NewValue) = 0;
    virtual void SetNotifier(const IRef<iTAVBindingNotifier>& Notifier) = 0;
    virtual IRef<iTAVBindingNotifier> Notifier() = 0;
    virtual void SetSourceObject(const Ref<Object>& SourceObject) = 0;
    virtual Ref<Object> SourceObject() = 0;
    // An array of strings; may be unallocated.
    virtual SafeArray ListPropertyNames() = 0;
    virtual std::string Caption() = 0;
};

}  // namespace tav
