#include "sources/SrcPart_AxCls.h"

#include <vector>

#include "automation/conversions/Conversions.h"
#include "automation/objects/TLIApplication.h"
#include "contracts/ObjectCreation.h"
#include "sources/DispatchObject.h"
#include "util/Utils.h"

namespace tav {

namespace T = SrcPart_AxClsText;

namespace {

std::string progIdErrorSource() {
    return std::string(T::AppTitle) + std::string(T::ProgIdSourceSeparator) +
           std::string(T::ClassName);
}
std::string classCheckErrorSource() {
    return std::string(T::AppTitle) + std::string(T::ClassName);
}

// Errors a value of the wrong kind gives; the user is told which property refused it.
bool isValueError(int32_t number) {
    return number == err::Overflow || number == err::TypeMismatch;
}

}  // namespace

ClassDesc SrcPart_AxCls::describe() {
    using C = SrcPart_AxCls;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::AxClsProgID, &C::SetAxClsProgID>(T::AxClsProgID))
        .implements<iTAVSourcePart>()
        .implements<Persistable>();
}

bool SrcPart_AxCls::designMode() const {
    if (!notifier_) throwError(err::ObjectNotSet);
    return IRef<iTAVBindingNotifier>(notifier_)->DesignMode();
}

void SrcPart_AxCls::replaceSource(Ref<Object> obj) {
    changes_.reset();
    sourceObject_ = std::move(obj);
    if (auto* announcer = dynamic_cast<PropertyNotifySource*>(sourceObject_.get()))
        changes_ = announcer->propertyNotifyPoint().advise(*this);
}

void SrcPart_AxCls::createSampleObject(std::string_view progId) {
    const bool design = designMode();
    if (!design || progId.empty() || sourceObject_) return;
    Ref<Object> sample = asDispatch(createObject(progId));
    replaceSource(sample);
    typeName_ = sample ? sample->typeName() : std::string_view();
}

void SrcPart_AxCls::SetAxClsProgID(std::string_view strNewValue) {
    if (!designMode())
        throw AutomationError(err::InvalidProcedureCall, progIdErrorSource(),
                              std::string(T::ProgIdAtRunTime));
    createSampleObject(strNewValue);
    progId_ = strNewValue;
    PropertyChanged(T::AxClsProgID);
}

Variant SrcPart_AxCls::Value(std::string_view PropertyName) {
    Variant result;
    Utils::CopyVariant(result, TLIApplication::shared().invokeHook(sourceObject_.get(), PropertyName,
                                                                   InvokeKind::PropertyGet, reads_));
    return result;
}

void SrcPart_AxCls::LetValue(std::string_view PropertyName, const Variant& NewValue) {
    Variant args[] = {NewValue};
    try {
        TLIApplication::shared().invokeHook(sourceObject_.get(), PropertyName,
                                            InvokeKind::PropertyLet, args);
    } catch (const AutomationError& e) {
        if (!isValueError(e.number())) throw;
        throw AutomationError(e.number(), e.source(),
                              std::string(T::InvalidValue) + std::string(PropertyName));
    }
}

void SrcPart_AxCls::SetValue(std::string_view PropertyName, const Variant& NewValue) {
    Variant args[] = {NewValue};
    TLIApplication::shared().invokeHook(sourceObject_.get(), PropertyName, InvokeKind::PropertySet,
                                        args);
}

void SrcPart_AxCls::SetSourceObject(const Ref<Object>& SourceObject) {
    if (SourceObject) {
        const std::string_view className = SourceObject->typeName();
        const bool design = notifier_ ? designMode() : false;
        if (design) {
            typeName_ = className;
        } else if (!typeName_.empty() && typeName_ != className) {
            throw AutomationError(err::InvalidProcedureCall, classCheckErrorSource(),
                                  std::string(T::WrongClass));
        }
    }
    if (IRef<iTAVBindingNotifier> notifier = notifier_) notifier->SourceObjectAboutToChange();
    replaceSource(asDispatch(SourceObject));
    if (IRef<iTAVBindingNotifier> notifier = notifier_) notifier->SourceObjectChanged();
}

SafeArray SrcPart_AxCls::ListPropertyNames() {
    createSampleObject(progId_);
    if (!sourceObject_) return SafeArray::unallocated(VarType::String);
    const std::vector<MemberInfo> members = TLIApplication::shared()
                                                .interfaceInfoFromObject(sourceObject_.get())
                                                .filteredMembers(false);
    // The names go into an array indexed from 1, which cannot hold no names at all.
    if (members.empty()) throwError(err::SubscriptOutOfRange);
    constexpr int32_t kFirstIndex = 1;
    SafeArray names({SafeArray::Bound{kFirstIndex, static_cast<int32_t>(members.size())}},
                    VarType::String);
    for (size_t i = 0; i < members.size(); ++i) names.data()[i] = Variant(members[i].name());
    return names;
}

std::string SrcPart_AxCls::Caption() {
    return std::string(T::CaptionPrefix) + typeName_;
}

void SrcPart_AxCls::OnChanged(DispId id) {
    const std::string name = TLIApplication::shared().memberName(sourceObject_.get(), id);
    if (!notifier_) throwError(err::ObjectNotSet);
    IRef<iTAVBindingNotifier> notifier = notifier_;  // the notifier may replace us meanwhile
    notifier->PropertyChanged(name);
}

void SrcPart_AxCls::ReadProperties(const Ref<PropertyBag>& PropBag) {
    progId_ = CStr(PropBag->ReadProperty(T::AxClsProgID, Variant(T::DefaultText)));
    typeName_ = CStr(PropBag->ReadProperty(T::AxClsTypeName, Variant(T::DefaultText)));
}

void SrcPart_AxCls::WriteProperties(const Ref<PropertyBag>& PropBag) {
    PropBag->WriteProperty(T::AxClsProgID, Variant(progId_), Variant(T::DefaultText));
    PropBag->WriteProperty(T::AxClsTypeName, Variant(typeName_), Variant(T::DefaultText));
}

}  // namespace tav
