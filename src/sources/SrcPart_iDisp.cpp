#include "sources/SrcPart_iDisp.h"

#include "automation/conversions/Conversions.h"
#include "automation/objects/TLIApplication.h"
#include "sources/DispatchObject.h"

namespace tav {

namespace T = SrcPart_iDispText;

ClassDesc SrcPart_iDisp::describe() {
    using C = SrcPart_iDisp;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::SharingName, &C::SetSharingName>(T::SharingName, T::SharingNameHelp))
        .implements<iTAVSourcePart>()
        .implements<Persistable>();
}

void SrcPart_iDisp::SetSharingName(std::string_view strNewValue) {
    sharingName_ = strNewValue;
    PropertyChanged(T::SharingName);
}

Variant SrcPart_iDisp::Value(std::string_view PropertyName) {
    return TLIApplication::shared().invokeHook(sourceObject_.get(), PropertyName,
                                               InvokeKind::PropertyGet, reads_);
}

void SrcPart_iDisp::LetValue(std::string_view PropertyName, const Variant& NewValue) {
    Variant args[] = {NewValue};
    TLIApplication::shared().invokeHook(sourceObject_.get(), PropertyName, InvokeKind::PropertyLet,
                                        args);
    if (IRef<iTAVBindingNotifier> notifier = notifier_) notifier->PropertyChanged(PropertyName);
}

void SrcPart_iDisp::SetValue(std::string_view /*PropertyName*/, const Variant& /*NewValue*/) {
    throw AutomationError(err::InvalidProcedureCall, {}, {});
}

void SrcPart_iDisp::SetSourceObject(const Ref<Object>& SourceObject) {
    if (IRef<iTAVBindingNotifier> notifier = notifier_) notifier->SourceObjectAboutToChange();
    sourceObject_ = asDispatch(SourceObject);
    if (IRef<iTAVBindingNotifier> notifier = notifier_) notifier->SourceObjectChanged();
}

SafeArray SrcPart_iDisp::ListPropertyNames() {
    return SafeArray::unallocated(VarType::String);
}

std::string SrcPart_iDisp::Caption() {
    return std::string(T::CaptionPrefix) + sharingName_;
}

void SrcPart_iDisp::ReadProperties(const Ref<PropertyBag>& PropBag) {
    sharingName_ = CStr(PropBag->ReadProperty(T::SharingName, Variant(T::DefaultSharingName)));
}

void SrcPart_iDisp::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::SharingName, Variant(sharingName_), Variant(T::DefaultSharingName));
}

}  // namespace tav
