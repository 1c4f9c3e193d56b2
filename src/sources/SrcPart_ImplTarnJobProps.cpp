#include "sources/SrcPart_ImplTarnJobProps.h"

#include "automation/objects/Invoke.h"
#include "automation/objects/TLIApplication.h"
#include "sources/DispatchObject.h"

namespace tav {

namespace T = SrcPart_ImplTarnJobPropsText;

namespace {

// A job is an object callable by name that has the parameterised "Properties" member; any
// other object is a type mismatch, as assigning it to a job reference would be.
Ref<Object> asJob(const Ref<Object>& obj) {
    Ref<Object> job = asDispatch(obj);
    if (job && !findMember(*job, T::PropertiesMember)) throwTypeMismatch();
    return job;
}

Object& callable(const Ref<Object>& job) {
    if (!job) throwError(err::ObjectNotSet);
    return *job;
}

}  // namespace

ClassDesc SrcPart_ImplTarnJobProps::describe() {
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .implements<iTAVSourcePart>();
}

IRef<iTAVBindingNotifier> SrcPart_ImplTarnJobProps::notifier() const {
    if (!notifier_) throwError(err::ObjectNotSet);
    return notifier_;
}

Variant SrcPart_ImplTarnJobProps::Value(std::string_view PropertyName) {
    try {
        return TLIApplication::shared().invokeHook(job_.get(), PropertyName,
                                                   InvokeKind::PropertyGet);
    } catch (const AutomationError&) {
        // Not a member of its own: try the job's property table.
    }
    try {
        Variant key[] = {Variant(PropertyName)};
        return invoke(callable(job_), T::PropertiesMember, InvokeKind::PropertyGet, key);
    } catch (const AutomationError&) {
        // Neither: the property reads as Empty.
    }
    return Variant();
}

void SrcPart_ImplTarnJobProps::LetValue(std::string_view PropertyName, const Variant& NewValue) {
    bool direct = true;
    try {
        Variant value[] = {NewValue};
        invoke(callable(job_), PropertyName, InvokeKind::PropertyLet, value);
    } catch (const AutomationError&) {
        direct = false;
    }
    if (direct) {
        try {
            notifier()->PropertyChanged(PropertyName);
        } catch (const AutomationError&) {
            // The value is written; a notifier that cannot hear it does not undo that.
        }
        return;
    }
    Variant keyAndValue[] = {Variant(PropertyName), NewValue};
    invoke(callable(job_), T::PropertiesMember, InvokeKind::PropertyLet, keyAndValue);
    notifier()->PropertyChanged(PropertyName);
}

void SrcPart_ImplTarnJobProps::SetValue(std::string_view /*PropertyName*/,
                                        const Variant& /*NewValue*/) {
    throw AutomationError(err::InvalidProcedureCall, {}, {});
}

void SrcPart_ImplTarnJobProps::SetSourceObject(const Ref<Object>& SourceObject) {
    notifier()->SourceObjectAboutToChange();
    job_ = asJob(SourceObject);
    notifier()->SourceObjectChanged();
}

SafeArray SrcPart_ImplTarnJobProps::ListPropertyNames() {
    return SafeArray::unallocated(VarType::String);
}

}  // namespace tav
