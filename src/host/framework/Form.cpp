#include "host/framework/Form.h"

#include <algorithm>
#include <optional>

#include "automation/values/ErrorNumbers.h"
#include "host/framework/BindingItem.h"
#include "host/framework/ErrorLine.h"
#include "host/framework/FrameworkText.h"

namespace tav {

namespace T = FrameworkText;

namespace {

[[noreturn]] void formError(std::string description) {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::FormSource), std::move(description));
}

std::vector<std::string> splitProperties(std::string_view text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (true) {
        const size_t bar = text.find(T::PropertySeparator, start);
        out.emplace_back(text.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (out.back().empty()) formError(std::string(T::NoProperty));
        if (bar == std::string_view::npos) return out;
        start = bar + 1;
    }
}

// Marks a binding's cycle as running for as long as it runs, however it ends.
class RunningCycle {
public:
    RunningCycle(Binding& b, int& depth) : b_(b), depth_(depth) {
        b_.running = true;
        ++depth_;
    }
    ~RunningCycle() {
        b_.running = false;
        --depth_;
    }
    RunningCycle(const RunningCycle&) = delete;
    RunningCycle& operator=(const RunningCycle&) = delete;

private:
    Binding& b_;
    int& depth_;
};

uint8_t requestOf(Cycle c) {
    switch (c) {
        case Cycle::Display:
            return Form::RequestDisplay;
        case Cycle::Storage:
            return Form::RequestStore;
        case Cycle::WakeUp:
            return Form::RequestWakeUp;
    }
    return Form::RequestDisplay;
}

}  // namespace

ClassDesc Form::describe() {
    using C = Form;
    return ClassDesc(std::string(T::Form), std::string(T::FormHelp))
        .add(property<&C::DesignMode, &C::SetDesignMode>(T::DesignMode))
        .add(property<&C::Commands>(T::Commands))
        .add(method<&C::AddCommand>(T::AddCommand, {T::NameParam, T::BehaviourParam}))
        .add(property<&C::CommandRuns>(T::CommandRuns, {T::NameParam}))
        .add(method<&C::AddBinding>(T::AddBinding, {T::BindingNameParam, T::SourcePartParam, T::PropertyNameParam,
                                                    T::ControlParam, T::GluesParam}))
        .add(method<&C::SetSource>(T::SetSource, {T::SourcePartParam, T::SourceObjectParam, opt(T::NotifierParam)}))
        .add(method<&C::Display>(T::Display, {T::BindingNameParam}))
        .add(method<&C::Store>(T::Store, {T::BindingNameParam}))
        .add(property<&C::Item>(T::Item, {T::BindingNameParam}))
        .add(method<&C::WakeUp>(T::WakeUp, {T::BindingNameParam}))
        .add(method<&C::TearDown>(T::TearDown, {T::BindingNameParam}))
        .add(property<&C::Log>(T::Log))
        .add(property<&C::Failures>(T::Failures));
}

Form::~Form() {
    for (const Ref<BindingNotifier>& n : notifiers_)
        if (n->form() == this) n->attach(nullptr);
    for (const Ref<Binding>& b : bindings_) b->detach();
}

void Form::AddCommand(std::string_view Name, std::string_view Behaviour) { commands().AddCommand(Name, Behaviour); }

int32_t Form::CommandRuns(std::string_view Name) const { return commands().CommandRuns(Name); }

Binding* Form::find(std::string_view name) const {
    for (const Ref<Binding>& b : bindings_)
        if (equalsNoCase(b->name(), name)) return b.get();
    return nullptr;
}

Binding& Form::binding(std::string_view name) const {
    Binding* b = find(name);
    if (!b) formError(std::string(T::NoSuchBinding) + "'" + std::string(name) + "'");
    return *b;
}

Binding& Form::addBinding(std::string name, const Ref<Object>& sourcePart, std::string_view propertyNames,
                          const Ref<Object>& control, std::span<const Ref<Object>> glues) {
    if (find(name)) throwError(err::KeyAlreadyExists);
    Binding::Parts parts;
    parts.name = std::move(name);
    if (!sourcePart) formError(std::string(T::NoSourcePart));
    parts.source = query<iTAVSourcePart>(sourcePart.get());
    parts.properties = splitProperties(propertyNames);
    if (!control) formError(std::string(T::NoControl));
    query<Control>(control.get());  // a control the framework can drive, or error 13
    parts.control = control;
    for (size_t i = 0; i < glues.size(); ++i) {
        Object* g = glues[i].get();
        // A lone direct glue makes a direct binding; everything else is a chain of glue parts.
        if (glues.size() == 1) parts.direct = tryQuery<iTAVGlueDirect>(g);
        if (parts.direct) break;
        IRef<iTAVGluePart> glue = tryQuery<iTAVGluePart>(g);
        if (!glue) {
            if (tryQuery<iTAVGlueDirect>(g)) formError(std::string(T::DirectGlueAlone));
            throw AutomationError(err::TypeMismatch, std::string(T::FormSource),
                                  std::string(T::NotAGlue) + std::to_string(i + 1));
        }
        parts.glues.push_back(std::move(glue));
    }
    if (parts.direct && parts.properties.size() > 1) formError(std::string(T::DirectGlueAlone));
    bindings_.push_back(makeRef<Binding>(*this, std::move(parts)));
    Binding& b = *bindings_.back();
    const CycleResult woken = wakeUp(b);
    if (woken.outcome == CycleOutcome::Failed)
        throw AutomationError(woken.failure.number, woken.failure.source, woken.failure.description);
    return b;
}

void Form::AddBinding(std::string_view BindingName, const Ref<Object>& SourcePart, std::string_view PropertyName,
                      const Ref<Object>& Control, std::span<Variant> Glues) {
    std::vector<Ref<Object>> glues;
    for (const Variant& g : Glues) {
        if (!g.isObject() || !g.object())
            throw AutomationError(err::TypeMismatch, std::string(T::FormSource),
                                  std::string(T::NotAGlue) + std::to_string(glues.size() + 1));
        glues.emplace_back(g.object());
    }
    addBinding(std::string(BindingName), SourcePart, PropertyName, Control, glues);
}

Ref<BindingNotifier> Form::notifierFor(Object* sourcePart) {
    // A part that has one of this form's notifiers keeps it.
    if (IRef<iTAVSourcePart> part = query<iTAVSourcePart>(sourcePart)) {
        const IRef<iTAVBindingNotifier> current = part->Notifier();
        for (const Ref<BindingNotifier>& n : notifiers_)
            if (current.object() == n.get()) return n;
    }
    Ref<BindingNotifier> made = makeRef<BindingNotifier>();
    made->keepLog(log_.isOn());
    return made;
}

void Form::setSource(const Ref<Object>& sourcePart, const Ref<Object>& sourceObject, const Ref<Object>& notifier) {
    if (!sourcePart) formError(std::string(T::NoSourcePart));
    const IRef<iTAVSourcePart> part = query<iTAVSourcePart>(sourcePart.get());
    IRef<iTAVBindingNotifier> n;
    if (notifier) {
        n = query<iTAVBindingNotifier>(notifier.get());
    } else {
        n = IRef<iTAVBindingNotifier>(notifierFor(sourcePart.get()));
    }
    if (auto* ours = dynamic_cast<BindingNotifier*>(n.get())) {
        if (std::find(notifiers_.begin(), notifiers_.end(), Ref<BindingNotifier>(ours)) == notifiers_.end())
            notifiers_.emplace_back(ours);
        ours->attach(this);
    }
    part->SetNotifier(n);
    part->SetSourceObject(sourceObject);
}

void Form::SetSource(const Ref<Object>& SourcePart, const Ref<Object>& SourceObject, const Ref<Object>& Notifier) {
    setSource(SourcePart, SourceObject, Notifier);
}

Variant Form::Display(std::string_view BindingName) {
    Binding& b = binding(BindingName);
    const CycleResult r = display(b);
    switch (r.outcome) {
        case CycleOutcome::Done:
            break;
        case CycleOutcome::Stopped:
            return Variant(T::Stopped);
        case CycleOutcome::Failed:
            throw AutomationError(r.failure.number, r.failure.source, r.failure.description);
    }
    return b.controlPart().CurrentValue();
}

std::string Form::Store(std::string_view BindingName) {
    const CycleResult r = store(binding(BindingName));
    switch (r.outcome) {
        case CycleOutcome::Done:
            break;
        case CycleOutcome::Stopped:
            return std::string(T::Stopped);
        case CycleOutcome::Failed:
            throw AutomationError(r.failure.number, r.failure.source, r.failure.description);
    }
    return std::string(T::Stored);
}

Ref<Object> Form::Item(std::string_view BindingName) { return Ref<Object>(binding(BindingName).item()); }

void Form::WakeUp(std::string_view BindingName) {
    const CycleResult r = wakeUp(binding(BindingName));
    if (r.outcome == CycleOutcome::Failed)
        throw AutomationError(r.failure.number, r.failure.source, r.failure.description);
}

void Form::TearDown(std::string_view BindingName) { binding(BindingName).tearDown(); }

std::string Form::Failures() {
    std::string out;
    for (const CycleFailure& f : takeFailures()) {
        if (!out.empty()) out += T::ListSeparator;
        out += f.binding + ' ' + std::string(cycleName(f.cycle)) + ' ' + errorLine(f.number, f.source, f.description);
    }
    return out;
}

std::vector<CycleFailure> Form::takeFailures() {
    std::vector<CycleFailure> out(std::make_move_iterator(failures_.begin()), std::make_move_iterator(failures_.end()));
    failures_.clear();
    return out;
}

void Form::record(CycleFailure failure) {
    if (failures_.size() >= T::FailureLimit) failures_.pop_front();
    failures_.push_back(std::move(failure));
}

void Form::announce(const CycleFailure& failure) {
    failureEvents_.fire([&](CycleFailureSink& sink) { sink.cycleFailed(failure); });
}

void Form::removeBinding(Binding& b) {
    const auto it = std::find(bindings_.begin(), bindings_.end(), Ref<Binding>(&b));
    if (it == bindings_.end()) return;
    const Ref<Binding> keep = *it;
    bindings_.erase(it);
    b.pending = 0;
    b.detach();
    b.tearDown();
}

CycleResult Form::run(Binding& b, Cycle cycle) {
    CycleResult r;
    if (b.running) {
        // The binding's own cycle asked for another: it runs once this one has ended.
        request(b, requestOf(cycle));
        return r;
    }
    const Ref<Binding> keep(&b);  // the cycle may remove its own binding (a control destroyed)
    {
        RunningCycle running(b, depth_);
        try {
            switch (cycle) {
                case Cycle::Display:
                    b.display();
                    break;
                case Cycle::Storage:
                    b.store();
                    break;
                case Cycle::WakeUp:
                    b.wakeUp();
                    break;
            }
        } catch (const AutomationError& e) {
            if (e.number() == err::StopCycle && cycle != Cycle::WakeUp) {
                r.outcome = CycleOutcome::Stopped;
            } else {
                r.outcome = CycleOutcome::Failed;
                r.failure = CycleFailure{b.name(), cycle, e.number(), e.source(), e.description()};
                record(r.failure);
                b.reportError(cycle);
            }
        }
    }
    if (r.outcome == CycleOutcome::Failed) announce(r.failure);
    if (!busy() && !pending_.empty()) settle();
    return r;
}

void Form::request(Binding& b, uint8_t requests) {
    if (busy()) {
        if (!b.pending) pending_.emplace_back(&b);
        b.pending |= requests;
        return;
    }
    perform(b, requests);
}

void Form::perform(Binding& b, uint8_t requests) {
    if (requests & RequestStore) run(b, Cycle::Storage);
    if (requests & RequestWakeUp) run(b, Cycle::WakeUp);
    if (requests & (RequestWakeUp | RequestDisplay)) run(b, Cycle::Display);
}

void Form::settle() {
    if (pending_.empty()) return;
    settling_ = true;
    size_t next = 0;
    for (; next < pending_.size() && next < T::SettleLimit; ++next) {
        Binding& b = *pending_[next];
        const uint8_t requests = b.pending;
        b.pending = 0;
        perform(b, requests);
    }
    std::optional<CycleFailure> unsettled;
    if (next < pending_.size()) {
        for (; next < pending_.size(); ++next) pending_[next]->pending = 0;
        unsettled = CycleFailure{pending_.back()->name(), Cycle::Display, err::InvalidProcedureCall,
                                 std::string(T::FormSource), std::string(T::Unsettled)};
        record(*unsettled);
    }
    pending_.clear();
    settling_ = false;
    if (unsettled) announce(*unsettled);
}

void Form::propertyChanged(const BindingNotifier& n, std::string_view propertyName) {
    log_.record(NotifierLog::Call::PropertyChanged, propertyName);
    for (size_t i = 0; i < bindings_.size(); ++i) {
        Binding& b = *bindings_[i];
        if (b.shows(propertyName) && b.servedBy(n) && !b.tornDown()) request(b, RequestDisplay);
    }
}

void Form::sourceAboutToChange(const BindingNotifier&) { log_.record(NotifierLog::Call::AboutToChange); }

void Form::sourceChanged(const BindingNotifier& n) {
    log_.record(NotifierLog::Call::Changed);
    for (size_t i = 0; i < bindings_.size(); ++i) {
        Binding& b = *bindings_[i];
        if (b.servedBy(n) && !b.tornDown()) request(b, RequestWakeUp | RequestDisplay);
    }
}

}  // namespace tav
