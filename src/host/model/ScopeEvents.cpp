#include "host/model/ScopeEvents.h"

#include "automation/objects/DispatchTypes.h"
#include "host/model/ModelText.h"
#include "scope/InScopeText.h"

namespace tav::hostmodel {

namespace T = ModelText;
namespace E = InScopeText;

ClassDesc ScopeEvents::describe() {
    using C = ScopeEvents;
    return ClassDesc(std::string(T::ScopeEvents), std::string(T::ScopeEventsHelp))
        .add(method<&C::Attach>(T::Attach, {T::PartParam}))
        .add(method<&C::HandleScope>(T::HandleScope, {T::ScopeParam}))
        .add(method<&C::SetApparent>(T::SetApparent, {T::PropertyNameParam, T::ValueParam}))
        .add(method<&C::FailValidation>(T::FailValidation, {T::PropertyNameParam, T::MessageParam}))
        .add(method<&C::HandleValidation>(T::HandleValidation,
                                          {T::PropertyNameParam, T::ValueParam, T::MessageParam}))
        .add(method<&C::HandleStore>(T::HandleStore, {T::PropertyNameParam}))
        .add(property<&C::Log>(T::Log));
}

void ScopeEvents::Attach(const Ref<Object>& Part) {
    connection_.reset();
    if (const IRef<InScopeEventSource> source = query<InScopeEventSource>(Part.get()))
        connection_ = source->inScopeEvents().advise(*this);
}

void ScopeEvents::HandleScope(const IRef<iTAVScope>& Scope) {
    scope_ = Scope;
    handleScope_ = static_cast<bool>(Scope);
}

void ScopeEvents::setRule(Rule rule) {
    for (Rule& r : rules_) {
        if (r.action == rule.action && equalsNoCase(r.property, rule.property)) {
            r = std::move(rule);
            return;
        }
    }
    rules_.push_back(std::move(rule));
}

void ScopeEvents::SetApparent(std::string_view PropertyName, const Variant& Value) {
    setRule(Rule{Action::Apparent, std::string(PropertyName), Value, {}});
}

void ScopeEvents::FailValidation(std::string_view PropertyName, std::string_view Message) {
    setRule(Rule{Action::FailValidation, std::string(PropertyName), {}, std::string(Message)});
}

void ScopeEvents::HandleValidation(std::string_view PropertyName, const Variant& Value,
                                   std::string_view Message) {
    setRule(Rule{Action::HandleValidation, std::string(PropertyName), Value, std::string(Message)});
}

void ScopeEvents::HandleStore(std::string_view PropertyName) {
    setRule(Rule{Action::HandleStore, std::string(PropertyName), {}, {}});
}

const ScopeEvents::Rule* ScopeEvents::rule(Action action, const FunneledPropertyHolder& h) const {
    for (const Rule& r : rules_)
        if (r.action == action && equalsNoCase(r.property, h.SourcePropertyName())) return &r;
    return nullptr;
}

void ScopeEvents::heard(std::string_view event, const Ref<FunneledPropertyHolder>& h) {
    log_.record(std::string(event) + std::string(T::EventNameSeparator) +
                (h ? h->SourcePropertyName() : std::string()));
}

void ScopeEvents::RequestScope(IRef<iTAVScope>& pScope, bool& bHandled) {
    log_.record(std::string(E::RequestScope));
    if (!handleScope_) return;
    pScope = scope_;
    bHandled = true;
}

void ScopeEvents::RequestPropertyRead(const Ref<FunneledPropertyHolder>& pProp) {
    heard(E::RequestPropertyRead, pProp);
    if (const Rule* r = pProp ? rule(Action::Apparent, *pProp) : nullptr) {
        Variant v = r->value;
        pProp->SetApparentValue(v);
    }
}

void ScopeEvents::RequestPropertyValidate(const Ref<FunneledPropertyHolder>& pProp,
                                          Variant& TheValue, bool& bHandled, bool& bFailure,
                                          std::string& sMessage) {
    heard(E::RequestPropertyValidate, pProp);
    if (!pProp) return;
    if (const Rule* r = rule(Action::FailValidation, *pProp)) {
        bFailure = true;
        sMessage = r->message;
    } else if (const Rule* h = rule(Action::HandleValidation, *pProp)) {
        bHandled = true;
        TheValue = h->value;
        sMessage = h->message;
    }
}

void ScopeEvents::RequestPropertyStore(const Ref<FunneledPropertyHolder>& pProp, Variant&,
                                       bool& bHandled) {
    heard(E::RequestPropertyStore, pProp);
    if (pProp && rule(Action::HandleStore, *pProp)) bHandled = true;
}

}  // namespace tav::hostmodel
