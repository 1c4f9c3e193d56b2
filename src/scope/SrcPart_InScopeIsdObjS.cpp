#include "scope/SrcPart_InScopeIsdObjS.h"

#include <new>

#include "automation/conversions/Conversions.h"
#include "automation/objects/Prompts.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/ErrorTexts.h"
#include "contracts/ObjectCreation.h"
#include "contracts/iTAVModelObject.h"
#include "scope/InScopeErrorReport.h"
#include "scope/InScopeText.h"
#include "scope/ScopeProcessing.h"
#include "util/DBugLifeTimes.h"

namespace tav {

namespace {

namespace T = InScopeText;
namespace P = ScopeProcessorNames;
using Crack = enumInfiniteScopeCrack;

// The message sink's flags for a plain message.
constexpr int32_t kPlainMessage = 0;

template <class I>
IRef<I> created(std::string_view progId) {
    return query<I>(createObject(progId).get());
}

std::string_view crackProcessor(Crack crack) {
    switch (crack) {
        case Crack::iscFilterDisplayCandidate:
            return P::FilterDisplayCandidate;
        case Crack::iscNormalzPeriodicParent:
            return P::NormalizePeriodicParent;
        case Crack::iscNormalzSymetryParent:
            return P::NormalizeSymmetryParent;
    }
    throw AutomationError(err::InvalidArgument, std::string(T::ErrSource),
                          std::string(T::ErrUnknownCrack));
}

// Runs a host event's handler body; an error goes no further than the error report.
template <class F>
void reporting(std::string_view message, F&& body) {
    try {
        body();
    } catch (const AutomationError& e) {
        InScopeErrorReport::show(message, e);
    } catch (const std::bad_alloc&) {
        InScopeErrorReport::show(message, AutomationError(err::OutOfMemory));
    } catch (const std::exception& e) {
        // Not an automation error, but the host must not see it either.
        InScopeErrorReport::show(message, AutomationError(err::InvalidProcedureCall, {}, e.what()));
    }
}

}  // namespace

const EnumDesc& enumDesc(enumInfiniteScopeCrack) {
    static const EnumDesc e{std::string(T::CrackEnumName),
                            std::string(T::InfiniteScopeCrackHelp),
                            {{std::string(T::CrackFilterDisplayCandidate), 0},
                             {std::string(T::CrackNormalizePeriodicParent), 1},
                             {std::string(T::CrackNormalizeSymmetryParent), 2}}};
    return e;
}

ClassDesc SrcPart_InScopeIsdObjS::describe() {
    using C = SrcPart_InScopeIsdObjS;
    return ClassDesc(std::string(T::ClassName), std::string(T::ClassHelp))
        .add(property<&C::DMClassName, &C::SetDMClassName>(T::DMClassName, T::DMClassNameHelp))
        .add(property<&C::AutoOperation, &C::SetAutoOperation>(T::AutoOperation,
                                                               T::AutoOperationHelp))
        .add(property<&C::PropertiesFunnel>(T::PropertiesFunnel, T::PropertiesFunnelHelp))
        .add(property<&C::ProcessScopeDelay, &C::SetProcessScopeDelay>(T::ProcessScopeDelay,
                                                                       T::ProcessScopeDelayHelp))
        .add(property<&C::InfiniteScopeCrack, &C::SetInfiniteScopeCrack>(T::InfiniteScopeCrack,
                                                                         T::InfiniteScopeCrackHelp))
        .add(property<&C::ScopeObject>(T::ScopeObject, T::ScopeObjectHelp).hide())
        .add(property<&C::DMUtility>(T::DMUtility, T::DMUtilityHelp).hide())
        .implements<iTAVSourcePart>()
        .implements<iTAVPerPropertyBrowsing>()
        .implements<Persistable>()
        .enumeration(enumDesc(enumInfiniteScopeCrack{}))
        .events(InScopeIsdObjSEvents::describeInterface());
}

SrcPart_InScopeIsdObjS::SrcPart_InScopeIsdObjS() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}

SrcPart_InScopeIsdObjS::~SrcPart_InScopeIsdObjS() {
    DBugLifeTimes::TraceLifetime(T::ClassName, this);
}

// --- properties ---------------------------------------------------------------------------

void SrcPart_InScopeIsdObjS::SetDMClassName(std::string_view NewValue) {
    dmClassName_ = NewValue;
    PropertyChanged(T::DMClassName);
}

void SrcPart_InScopeIsdObjS::SetAutoOperation(int32_t NewValue) {
    autoOperation_ = NewValue;
    PropertyChanged(T::AutoOperation);
}

void SrcPart_InScopeIsdObjS::SetProcessScopeDelay(bool NewValue) {
    processScopeDelay_ = NewValue;
    PropertyChanged(T::ProcessScopeDelay);
}

void SrcPart_InScopeIsdObjS::SetInfiniteScopeCrack(enumInfiniteScopeCrack NewValue) {
    crack_ = NewValue;
    PropertyChanged(T::InfiniteScopeCrack);
}

IRef<iTAVDMUtility> SrcPart_InScopeIsdObjS::DMUtility() {
    if (!dmUtility_) dmUtility_ = created<iTAVDMUtility>(iTAVDMUtility::ProgId);
    return dmUtility_;
}

// --- iTAVSourcePart ---------------------------------------------------------------------

Variant SrcPart_InScopeIsdObjS::Value(std::string_view PropertyName) {
    if (PropertyName == T::AnyItems) return Variant::Bool(itemCount_ >= 1);
    if (PropertyName == T::CountItems) return Variant::I4(itemCount_);
    return funnel_->Item(Variant(PropertyName))->ApparentValue();
}

void SrcPart_InScopeIsdObjS::LetValue(std::string_view PropertyName, const Variant& NewValue) {
    store(PropertyName, NewValue);
}

void SrcPart_InScopeIsdObjS::SetValue(std::string_view PropertyName, const Variant& NewValue) {
    store(PropertyName, NewValue);
}

void SrcPart_InScopeIsdObjS::SetSourceObject(const Ref<Object>& SourceObject) {
    if (!SourceObject) {
        idle_.reset();
        scopeChanges_.reset();
        container_.reset();
        scopeManager_.reset();
        scope_.reset();
        document_.reset();
        dmUtility_.reset();
        itemCount_ = 0;
        stale_ = false;
        return;
    }
    if (container_) return;
    IRef<iTAVHostContainer> container = query<iTAVHostContainer>(SourceObject.get());
    container_ = container;
    idle_ = container_->containerEvents().advise(*this);
    const IRef<iTAVScopeManagerHolder> holder = container_->ScopeManagerHolder();
    if (!holder) throwError(err::ObjectNotSet);
    scopeManager_ = holder->ScopeManager();
    if (!scopeManager_) throwError(err::ObjectNotSet);
    scopeChanges_ = scopeManager_->scopeManagerEvents().advise(*this);
    dmUtility_ = created<iTAVDMUtility>(iTAVDMUtility::ProgId);
    markStale(true);
    rebuild();
}

SafeArray SrcPart_InScopeIsdObjS::ListPropertyNames() {
    const int32_t n = funnel_->Count();
    if (n == 0) return SafeArray::unallocated(VarType::String);
    SafeArray names({SafeArray::Bound{0, n + 2}}, VarType::String);
    for (int32_t i = 0; i < n; ++i)
        names.data()[static_cast<size_t>(i)] =
            Variant(funnel_->Item(Variant::I4(i + 1))->SourcePropertyName());
    names.data()[static_cast<size_t>(n)] = Variant(T::CountItems);
    names.data()[static_cast<size_t>(n) + 1] = Variant(T::AnyItems);
    return names;
}

std::string SrcPart_InScopeIsdObjS::Caption() {
    return std::string(T::CaptionPrefix) + dmClassName_;
}

// --- iTAVPerPropertyBrowsing ------------------------------------------------------------

Variant SrcPart_InScopeIsdObjS::GetPredefinedValue(std::string_view, std::string_view) {
    return {};
}

SafeArray SrcPart_InScopeIsdObjS::GetPredefinedStrings(std::string_view) {
    return SafeArray::unallocated(VarType::String);
}

std::string SrcPart_InScopeIsdObjS::GetDisplayString(std::string_view PropertyName) {
    if (PropertyName != T::PropertiesFunnel) return {};
    return std::to_string(funnel_->Count()) + std::string(T::DisplayItemsSuffix);
}

std::string SrcPart_InScopeIsdObjS::MapPropertyToControlProgId(std::string_view PropertyName) {
    return PropertyName == T::PropertiesFunnel ? std::string(T::EditorProgId) : std::string();
}

// --- Persistable ------------------------------------------------------------------------

void SrcPart_InScopeIsdObjS::InitProperties() {
    dmClassName_ = T::DefaultDMClassName;
    processScopeDelay_ = T::DefaultProcessScopeDelay;
    autoOperation_ = T::DefaultAutoOperation;
    crack_ = Crack::iscFilterDisplayCandidate;
}

void SrcPart_InScopeIsdObjS::ReadProperties(const Ref<PropertyBag>& PropBag) {
    if (!PropBag) throwError(err::ObjectNotSet);
    dmClassName_ = CStr(PropBag->ReadProperty(T::DMClassName, Variant(T::DefaultDMClassName)));
    autoOperation_ =
        CLng(PropBag->ReadProperty(T::AutoOperation, Variant::I4(T::DefaultAutoOperation)));
    processScopeDelay_ = CBool(
        PropBag->ReadProperty(T::ProcessScopeDelay, Variant::Bool(T::DefaultProcessScopeDelay)));
    crack_ = static_cast<Crack>(CLng(PropBag->ReadProperty(
        T::InfiniteScopeCrack,
        Variant::I4(static_cast<int32_t>(Crack::iscFilterDisplayCandidate)))));
    funnel_->Load(PropBag);
}

void SrcPart_InScopeIsdObjS::WriteProperties(const Ref<PropertyBag>& PropBag) {
    if (!PropBag) throwError(err::ObjectNotSet);
    PropBag->WriteProperty(T::DMClassName, Variant(dmClassName_), Variant(T::DefaultDMClassName));
    PropBag->WriteProperty(T::AutoOperation, Variant::I4(autoOperation_),
                           Variant::I4(T::DefaultAutoOperation));
    PropBag->WriteProperty(T::ProcessScopeDelay, Variant::Bool(processScopeDelay_),
                           Variant::Bool(T::DefaultProcessScopeDelay));
    PropBag->WriteProperty(T::InfiniteScopeCrack, Variant::I4(static_cast<int32_t>(crack_)),
                           Variant::I4(static_cast<int32_t>(Crack::iscFilterDisplayCandidate)));
    funnel_->Save(PropBag);
}

// --- scope tracking ---------------------------------------------------------------------

IRef<iTAVOperationManager> SrcPart_InScopeIsdObjS::operationManager() const {
    IRef<iTAVOperationManager> om =
        container_ ? container_->OperationManager() : IRef<iTAVOperationManager>();
    if (!om) throwError(err::ObjectNotSet);
    return om;
}

// The notifier hears "about to change" only when the document stays the same: a new document
// brings a new source as far as the form is concerned.
void SrcPart_InScopeIsdObjS::markStale(bool notify) {
    bool sameDocument = false;
    if (hasItems())
        sameDocument = ScopeProcesseing::GetDocumentFromScope(scopeManager_) == document_;
    if (notify && sameDocument && notifier_) {
        const IRef<iTAVBindingNotifier> notifier = notifier_;
        notifier->SourceObjectAboutToChange();
    }
    stale_ = true;
    itemCount_ = 0;
    scope_.reset();
    document_ = ScopeProcesseing::GetDocumentFromScope(scopeManager_);
}

void SrcPart_InScopeIsdObjS::rebuild() {
    const Ref<SrcPart_InScopeIsdObjS> self(this);  // a handler may drop the form's reference
    stale_ = false;
    IRef<iTAVScope> requested;
    bool handled = false;
    events_.fire([&](InScopeIsdObjSEvents& e) { e.RequestScope(requested, handled); });
    IRef<iTAVScope> s;
    if (handled) {
        s = requested;
    } else {
        if (!scopeManager_) throwError(err::ObjectNotSet);
        s = crackScope(scopeManager_->DefaultScope());
    }
    stale_ = false;
    funnel_->Reset();
    scope_ = s;
    if (scope_) {
        const IRef<iTAVScopeContents> contents = scope_->Contents();
        if (!contents) throwError(err::ObjectNotSet);
        itemCount_ = contents->Count();
        if (itemCount_ > 0) readAll();
    } else {
        itemCount_ = 0;
    }
    if (notifier_) {
        const IRef<iTAVBindingNotifier> notifier = notifier_;
        notifier->SourceObjectChanged();
    }
}

void SrcPart_InScopeIsdObjS::tellScopeFailure(const AutomationError& e) {
    const IRef<iTAVMessageSink> sink =
        container_ ? container_->MessageSink() : IRef<iTAVMessageSink>();
    if (!sink) return;
    sink->ShowMessage(std::string(T::ScopeErrorPrefix) + dmClassName_ + std::string(T::LineBreak) +
                          e.description(),
                      kPlainMessage, missingArg(), missingArg());
}

// A scope that can't be filtered directly is cracked first; a failure on the way is told to
// the user through the container's message sink and leaves no objects.
IRef<iTAVScope> SrcPart_InScopeIsdObjS::crackScope(IRef<iTAVScope> s) {
    try {
        s = scopeManager_->ProcessScope(s, P::FilterModel3d);
    } catch (const AutomationError&) {
        try {
            s = scopeManager_->ProcessScope(s, crackProcessor(crack_));
            s = scopeManager_->ProcessScope(s, P::FilterModel3d);
        } catch (const AutomationError& e) {
            tellScopeFailure(e);
            return {};
        }
    }
    try {
        const std::string filter = DMUtility()->ClassFilterText(dmClassName_);
        return scopeManager_->ProcessScope(s, std::string(P::FilterModel3dClassPrefix) + filter);
    } catch (const AutomationError& e) {
        tellScopeFailure(e);
        return {};
    }
}

void SrcPart_InScopeIsdObjS::readAll() {
    Ref<FunneledPropertyHolder> h;
    try {
        const int16_t n = FunneledProperties::walkCount(funnel_->Count());
        for (int32_t i = 1; i <= n; ++i) {
            h = funnel_->Item(Variant::I2(static_cast<int16_t>(i)));
            events_.fire([&](InScopeIsdObjSEvents& e) { e.RequestPropertyRead(h); });
            if (h->status() == funneledPropertyStatus::NoValuesYet) readOne(*h);
        }
    } catch (const AutomationError& e) {
        std::string description = e.description();
        if (h)
            description += std::string(T::ReadErrorWithProperty) + h->SourcePropertyName() +
                           std::string(T::ReadErrorOpen) + h->InternalPropertyName() +
                           std::string(T::ReadErrorClose);
        throw AutomationError(e.number(), std::string(T::ErrSource), std::move(description));
    }
}

void SrcPart_InScopeIsdObjS::readOne(FunneledPropertyHolder& h) {
    IRef<iTAVValueList> list;
    int32_t status = 0;
    if (h.ExtraInfo() != 0) {
        // Objects read one by one, as text.
        list = created<iTAVValueList>(iTAVValueList::ProgId);
        const IRef<iTAVScopeContents> contents = scope_->Contents();
        const int32_t n = contents->Count();
        for (int32_t i = 1; i <= n; ++i) {
            const IRef<iTAVModelObject> object = query<iTAVModelObject>(contents->Item(i).get());
            if (!object) throwError(err::ObjectNotSet);
            list->Add(Variant(object->ReadAsText(h.InternalPropertyName(), status)));
        }
    } else {
        const IRef<iTAVPropertyAccessor> accessor =
            DMUtility()->PropertyAccessor(h.InternalPropertyName(), 0, status);
        if (!accessor) throwError(err::ObjectNotSet);
        list = accessor->Read(scope_, status);
    }
    if (status == T::ReadFailureStatus) {
        currentPrompts().messageBox(std::string(T::ReadFailureMessage) + h.InternalPropertyName(),
                                    msgbox::OKOnly);
        return;
    }
    if (!list) throwError(err::ObjectNotSet);
    // A list of plain numbers is walked without a Variant per value.
    if (const std::span<const double> d = list->Doubles(); !d.empty())
        h.funnelAll(d);
    else if (const std::span<const int32_t> n = list->Longs(); !n.empty())
        h.funnelAll(n);
    else if (const std::span<const uint32_t> c = list->Codes(); !c.empty())
        h.funnelCoded(c, list->CodeTable());
    else
        h.funnelAll(list->Values());
}

// --- host events ------------------------------------------------------------------------

void SrcPart_InScopeIsdObjS::DefaultScopeChanged(const IRef<iTAVScope>&) {
    const Ref<SrcPart_InScopeIsdObjS> self(this);
    reporting(std::string(T::ScopeChangeFailed) + dmClassName_, [&] {
        if (processScopeDelay_) {
            markStale(true);
            return;
        }
        DBugLifeTimes::TraceMessage(std::string(T::TraceDirectRebuild) + dmClassName_);
        markStale(true);
        rebuild();
    });
}

void SrcPart_InScopeIsdObjS::Idle(int32_t nIdleCycle, bool& bValue) {
    const Ref<SrcPart_InScopeIsdObjS> self(this);
    bValue = false;
    reporting(std::string(T::IdleFailed) + dmClassName_, [&] {
        if (nIdleCycle >= 1) return;
        const IRef<iTAVOperationManager> om = operationManager();
        const bool busyA = om->StateA();
        const bool busyB = om->StateB();
        if (stale_ && processScopeDelay_ && !busyA && !busyB) {
            DBugLifeTimes::TraceMessage(std::string(T::TraceIdleRebuild) + dmClassName_);
            rebuild();
        }
    });
}

}  // namespace tav
