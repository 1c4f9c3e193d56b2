#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Dispatchable.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVDMUtility.h"
#include "contracts/iTAVDocumentRoot.h"
#include "contracts/iTAVHostContainer.h"
#include "contracts/iTAVPerPropertyBrowsing.h"
#include "contracts/iTAVSourcePart.h"
#include "scope/FunneledProperties.h"
#include "scope/InScopeIsdObjSEvents.h"

namespace tav {

// How a scope that can't be filtered directly (an infinite one) is reduced first.
enum class enumInfiniteScopeCrack : int32_t {
    iscFilterDisplayCandidate = 0,
    iscNormalzPeriodicParent = 1,
    iscNormalzSymetryParent = 2,
};
const EnumDesc& enumDesc(enumInfiniteScopeCrack);

// Binds a form's controls to every object of one class (DMClassName, "Atom") in the host's
// default scope at once. The source object is the host container; the part follows its scope
// manager's default scope, filters it to the class, reads each bound property from all those
// objects and merges the values through the holders of PropertiesFunnel, so that a control
// shows one value, or the conflict value when the objects disagree. "_CountItems" and
// "_AnyItems" tell how many objects are in scope.
//
// With ProcessScopeDelay a scope change only marks the part stale; the objects are gathered
// again at the next idle time (cycle 0) when the operation manager is not busy. Writing a
// value stores it into every object inside one undoable operation
// (SrcPart_InScopeIsdObjSStoring.cpp). Four events let the host form take over getting the scope,
// reading, validating and storing. The handlers of the host's events never let an error out: they
// report it in a message box.
class SrcPart_InScopeIsdObjS : public Dispatchable<SrcPart_InScopeIsdObjS>,
                               public iTAVSourcePart,
                               public iTAVPerPropertyBrowsing,
                               public Persistable,
                               public InScopeEventSource,
                               private iTAVScopeManagerEvents,
                               private iTAVHostContainerEvents {
  public:
    static ClassDesc describe();
    SrcPart_InScopeIsdObjS();
    ~SrcPart_InScopeIsdObjS() override;

    // --- design-time and run-time properties ---
    const std::string& DMClassName() const noexcept { return dmClassName_; }
    void SetDMClassName(std::string_view NewValue);
    int32_t AutoOperation() const noexcept { return autoOperation_; }
    void SetAutoOperation(int32_t NewValue);
    Ref<FunneledProperties> PropertiesFunnel() const { return funnel_; }
    bool ProcessScopeDelay() const noexcept { return processScopeDelay_; }
    void SetProcessScopeDelay(bool NewValue);
    enumInfiniteScopeCrack InfiniteScopeCrack() const noexcept { return crack_; }
    void SetInfiniteScopeCrack(enumInfiniteScopeCrack NewValue);
    IRef<iTAVScope> ScopeObject() const { return scope_; }
    // Made on first use.
    IRef<iTAVDMUtility> DMUtility();

    // --- iTAVSourcePart ---
    // "_AnyItems", "_CountItems", or a holder's merged value as read at the last rebuild.
    Variant Value(std::string_view PropertyName) override;
    // Both store the value into every in-scope object.
    void LetValue(std::string_view PropertyName, const Variant& NewValue) override;
    void SetValue(std::string_view PropertyName, const Variant& NewValue) override;
    void SetNotifier(const IRef<iTAVBindingNotifier>& Notifier) override { notifier_ = Notifier; }
    IRef<iTAVBindingNotifier> Notifier() override { return notifier_; }
    // The first container starts the tracking; Nothing detaches; another container is ignored.
    void SetSourceObject(const Ref<Object>& SourceObject) override;
    Ref<Object> SourceObject() override { return Ref<Object>(container_.object()); }
    SafeArray ListPropertyNames() override;
    std::string Caption() override;

    // --- iTAVPerPropertyBrowsing ---
    Variant GetPredefinedValue(std::string_view PropertyName,
                               std::string_view PreDefinedString) override;
    SafeArray GetPredefinedStrings(std::string_view PropertyName) override;
    std::string GetDisplayString(std::string_view PropertyName) override;
    std::string MapPropertyToControlProgId(std::string_view PropertyName) override;

    // --- Persistable ---
    void InitProperties() override;
    void ReadProperties(const Ref<PropertyBag>& PropBag) override;
    void WriteProperties(const Ref<PropertyBag>& PropBag) override;

    ConnectionPoint<InScopeIsdObjSEvents>& inScopeEvents() override { return events_; }

  private:
    // Host events.
    void DefaultScopeChanged(const IRef<iTAVScope>& pActiveScope) override;
    void Idle(int32_t nIdleCycle, bool& bValue) override;

    // Scope tracking and reading.
    bool hasItems() const noexcept { return itemCount_ >= 1 && scope_; }
    void markStale(bool notify);
    void rebuild();
    IRef<iTAVScope> crackScope(IRef<iTAVScope> s);
    void tellScopeFailure(const AutomationError& e);
    void readAll();
    void readOne(FunneledPropertyHolder& h);
    IRef<iTAVOperationManager> operationManager() const;

    // Storing (SrcPart_InScopeIsdObjSStoring.cpp).
    void store(std::string_view propertyName, Variant v);
    void validate(const Ref<FunneledPropertyHolder>& h, Variant& v, std::string& message);
    void storeIntoObjects(const Ref<FunneledPropertyHolder>& h, Variant& v);

    IRef<iTAVBindingNotifier> notifier_;
    int32_t autoOperation_ = 0;
    std::string dmClassName_;
    enumInfiniteScopeCrack crack_ = enumInfiniteScopeCrack::iscFilterDisplayCandidate;
    bool processScopeDelay_ = false;
    bool stale_ = false;
    IRef<iTAVDocumentRoot> document_;
    IRef<iTAVScope> scope_;
    int32_t itemCount_ = 0;
    Ref<FunneledProperties> funnel_ = makeRef<FunneledProperties>();
    IRef<iTAVDMUtility> dmUtility_;
    IRef<iTAVHostContainer> container_;
    IRef<iTAVScopeManager> scopeManager_;
    ConnectionPoint<InScopeIsdObjSEvents> events_;
    Connection idle_;
    Connection scopeChanges_;
};

}  // namespace tav
