#pragma once
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Dispatchable.h"
#include "host/framework/Binding.h"
#include "host/framework/BindingNotifier.h"
#include "host/framework/ControlFinder.h"
#include "host/framework/CycleFailure.h"
#include "host/framework/CycleFailureSink.h"
#include "host/framework/NotifierLog.h"

namespace tav {

// A form running the binding framework (Host.Form): it holds the bindings, gives source parts
// their notifier and source object, wakes glues, and runs display and storage cycles. An
// application keeps one per window (docs/embedding.md); its objects stay on the thread that
// made them.
//
//  - The stop-cycle error ends a cycle quietly, whatever source and text come with it; any
//    other error is a failure, recorded with its number, source and description
//    (takeFailures()), told to the binding's glues (OnBindingError) and to the failure sinks
//    (failureEvents()), the cycle having ended.
//  - A notifier's "property changed" redisplays the bindings of that property on the source
//    parts it serves; "source changed" wakes every binding on them again (a direct glue needs
//    the new source object) and redisplays it.
//  - Whatever is asked while a cycle runs (a change, a binding item's store or redisplay
//    request) waits until the outermost cycle has ended and then runs once per binding, so a
//    cycle never sees its own glues re-woken or re-entered halfway.
class Form : public Dispatchable<Form> {
public:
    // Requests on a binding, combined while they wait.
    static constexpr uint8_t RequestStore = 1;
    static constexpr uint8_t RequestWakeUp = 2;
    static constexpr uint8_t RequestDisplay = 4;

    static ClassDesc describe();
    Form() = default;
    ~Form() override;

    // --- by name (the script's Host.Form) ---
    bool DesignMode() const { return designMode_; }
    void SetDesignMode(bool NewValue) { designMode_ = NewValue; }
    Ref<Object> Commands() const { return Ref<Object>(finder_->root()->commands()); }
    void AddCommand(std::string_view Name, std::string_view Behaviour);
    int32_t CommandRuns(std::string_view Name) const;
    // A binding of the source part's property ("A|B": several) to the control through the
    // glues; a single direct glue makes a direct binding. The glues are woken at once.
    void AddBinding(std::string_view BindingName, const Ref<Object>& SourcePart, std::string_view PropertyName,
                    const Ref<Object>& Control, std::span<Variant> Glues);
    // Gives the source part the notifier (Nothing: the form's own for that part) and then the
    // source object, as the framework does.
    void SetSource(const Ref<Object>& SourcePart, const Ref<Object>& SourceObject, const Ref<Object>& Notifier);
    // The display cycle; what the control then shows, or "#stopped"; a failure is raised.
    Variant Display(std::string_view BindingName);
    // The storage cycle from the control's current value: "#stored" or "#stopped"; a failure
    // is raised.
    std::string Store(std::string_view BindingName);
    Ref<Object> Item(std::string_view BindingName);
    void WakeUp(std::string_view BindingName);
    void TearDown(std::string_view BindingName);
    // The calls the form's notifiers received since the last read, as Host.Notifier logs them.
    std::string Log() { return log_.take(); }
    // Whether the form and the notifiers it makes from now on log those calls; they do unless
    // switched off (an application that reads no log saves the work).
    void keepLog(bool on) { log_.switchOn(on); }
    // The failures since the last read: "NAME CYCLE Err:..." joined by "|".
    std::string Failures();

    // --- from C++ ---
    Binding& addBinding(std::string name, const Ref<Object>& sourcePart, std::string_view propertyNames,
                        const Ref<Object>& control, std::span<const Ref<Object>> glues);
    void setSource(const Ref<Object>& sourcePart, const Ref<Object>& sourceObject, const Ref<Object>& notifier = {});
    Binding* find(std::string_view name) const;
    // The binding of that name; error 5 when there is none.
    Binding& binding(std::string_view name) const;
    const std::vector<Ref<Binding>>& bindings() const { return bindings_; }

    CycleResult display(Binding& b) { return run(b, Cycle::Display); }
    CycleResult store(Binding& b) { return run(b, Cycle::Storage); }
    CycleResult wakeUp(Binding& b) { return run(b, Cycle::WakeUp); }
    // The failures recorded since the last call, oldest first (the newest FailureLimit kept).
    std::vector<CycleFailure> takeFailures();
    // Every failure as it happens, to each connected sink (FailureCallback for a function).
    ConnectionPoint<CycleFailureSink>& failureEvents() { return failureEvents_; }
    // Tears the binding down and forgets it (its control and glues are then the caller's); a
    // cycle of it that is running ends first, and requests waiting for it are dropped.
    void removeBinding(Binding& b);

    const Ref<ControlFinder>& finder() const { return finder_; }
    CommandRegistry& commands() const { return *finder_->root()->commands(); }

    // Runs the requests now, or after the running cycle.
    void request(Binding& b, uint8_t requests);

    // What the form's notifiers pass on.
    void propertyChanged(const BindingNotifier& n, std::string_view propertyName);
    void sourceAboutToChange(const BindingNotifier& n);
    void sourceChanged(const BindingNotifier& n);

private:
    CycleResult run(Binding& b, Cycle cycle);
    void perform(Binding& b, uint8_t requests);
    void settle();
    bool busy() const { return depth_ > 0 || settling_; }
    void record(CycleFailure failure);
    void announce(const CycleFailure& failure);
    Ref<BindingNotifier> notifierFor(Object* sourcePart);

    Ref<ControlFinder> finder_ = makeRef<ControlFinder>();
    std::vector<Ref<Binding>> bindings_;
    std::vector<Ref<BindingNotifier>> notifiers_;  // attached to this form
    std::vector<Ref<Binding>> pending_;            // waiting for the running cycle to end
    std::deque<CycleFailure> failures_;
    ConnectionPoint<CycleFailureSink> failureEvents_;
    NotifierLog log_;
    int depth_ = 0;  // cycles running, nested
    bool settling_ = false;
    bool designMode_ = false;
};

}  // namespace tav
