#include "host/objects/Job.h"

#include "automation/objects/Dispatchable.h"
#include "host/objects/ObjectText.h"

namespace tav {

namespace T = ObjectText;

const ClassDesc& Job::table() {
    using C = Job;
    static const ClassDesc desc =
        describeAs(T::Job, T::JobHelp)
            .add(property<&C::Properties, &C::SetProperties>(T::Properties, {T::KeyParam}))
            .add(method<&C::DefineJobProperty>(T::DefineJobProperty, {T::KeyParam, T::ValueParam}));
    return desc;
}

Variant* Job::find(std::string_view key) {
    for (auto& [k, v] : properties_)
        if (k == key) return &v;
    return nullptr;
}

Variant Job::Properties(std::string_view Key) const {
    if (const Variant* v = const_cast<Job*>(this)->find(Key)) return *v;
    fail(T::NoJobProperty, Key);
}

void Job::SetProperties(std::string_view Key, const Variant& NewValue) {
    Variant* v = find(Key);
    if (!v) fail(T::NoJobProperty, Key);
    *v = NewValue;
}

void Job::DefineJobProperty(std::string_view Key, const Variant& Value) {
    if (Variant* v = find(Key)) *v = Value;
    else properties_.emplace_back(std::string(Key), Value);
}

}  // namespace tav
