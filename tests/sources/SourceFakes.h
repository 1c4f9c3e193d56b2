// Small stand-ins for the framework's notifier and for source objects, shared by the source
// part tests.
#pragma once
#include <functional>
#include <map>
#include <string>

#include "../glues/GlueFakes.h"
#include "automation/objects/IPropertyNotifySink.h"
#include "contracts/iTAVBindingNotifier.h"

namespace tav::fakes {

class FakeNotifier : public Dispatchable<FakeNotifier>, public iTAVBindingNotifier {
  public:
    static ClassDesc describe() {
        return ClassDesc("FakeNotifier", "").implements<iTAVBindingNotifier>();
    }
    void PropertyChanged(std::string_view name) override {
        add("PropertyChanged:" + std::string(name));
        if (onPropertyChanged) onPropertyChanged(name);
    }
    void SourceObjectAboutToChange() override { add("AboutToChange"); }
    void SourceObjectChanged() override { add("Changed"); }
    bool DesignMode() override { return designMode; }

    std::string take() { return std::exchange(log_, {}); }
    IRef<iTAVBindingNotifier> ref() { return IRef<iTAVBindingNotifier>(Ref<FakeNotifier>(this)); }

    bool designMode = false;
    std::function<void(std::string_view)> onPropertyChanged;

  private:
    void add(const std::string& call) { log_ += (log_.empty() ? "" : "|") + call; }
    std::string log_;
};

// An automation object with typed properties.
class Sample : public Dispatchable<Sample> {
  public:
    static ClassDesc describe() {
        using C = Sample;
        return ClassDesc("Sample", "")
            .add(property<&C::Charge, &C::SetCharge>("Charge"))
            .add(property<&C::Label, &C::SetLabel>("Label"))
            .add(property<&C::Small, &C::SetSmall>("Small"))
            .add(property<&C::Thing, &C::LetThing, &C::SetThing>("Thing"))
            .add(method<&C::Reset>("Reset"));
    }
    double Charge() const { return charge; }
    void SetCharge(double d) { charge = d; }
    std::string Label() const { return label; }
    void SetLabel(std::string_view s) { label = s; }
    int16_t Small() const { return small; }
    void SetSmall(int16_t n) { small = n; }
    Variant Thing() const { return thing; }
    void LetThing(const Variant& v) { thing = v; }
    void SetThing(const Variant& v) { thing = v; }
    void Reset() { charge = 0; }

    double charge = 1.5;
    std::string label = "C1";
    int16_t small = 0;
    Variant thing;
};

class OtherSample : public Dispatchable<OtherSample> {
  public:
    static ClassDesc describe() {
        return ClassDesc("OtherSample", "").add(property<&OtherSample::Charge>("Charge"));
    }
    double Charge() const { return 9; }
};

// An object that announces its changes through the property-notify sink.
class NotifyingSample : public Dispatchable<NotifyingSample>, public PropertyNotifySource {
  public:
    static ClassDesc describe() {
        using C = NotifyingSample;
        return ClassDesc("NotifyingSample", "")
            .add(property<&C::Charge, &C::SetCharge>("Charge"))
            .add(property<&C::Small, &C::SetSmall>("Small"))
            .add(property<&C::Thing, nullptr, &C::SetThing>("Thing"))
            .add(property<&C::Secret>("Secret").hide())
            .add(method<&C::Reset>("Reset"));
    }
    double Charge() const { return charge; }
    void SetCharge(double d) {
        charge = d;
        announce("Charge");
    }
    int16_t Small() const { return small; }
    void SetSmall(int16_t n) {
        small = n;
        announce("Small");
    }
    Variant Thing() const { return thing; }
    void SetThing(const Variant& v) {
        thing = v;
        announce("Thing");
    }
    int32_t Secret() const { return 0; }
    void Reset() {}

    ConnectionPoint<IPropertyNotifySink>& propertyNotifyPoint() override { return changes_; }
    void announce(std::string_view member) {
        const DispId id = table().defaultInterface().find(member)->id;
        changes_.fire([&](IPropertyNotifySink& s) { s.OnChanged(id); });
    }
    size_t listeners() const { return changes_.sinkCount(); }

    double charge = 0;
    int16_t small = 0;
    Variant thing;

  private:
    ConnectionPoint<IPropertyNotifySink> changes_;
};

// Callable by name but with no members a designer would see.
class Memberless : public Dispatchable<Memberless> {
  public:
    static ClassDesc describe() {
        return ClassDesc("Memberless", "").add(method<&Memberless::Hidden>("Hidden").hide());
    }
    void Hidden() {}
};

// An object that cannot be called by name.
class Opaque : public Object {};

// A job: members of its own plus a parameterised "Properties" table.
class FakeJob : public Dispatchable<FakeJob> {
  public:
    static ClassDesc describe() {
        using C = FakeJob;
        return ClassDesc("FakeJob", "")
            .add(property<&C::Status, &C::SetStatus>("Status"))
            .add(property<&C::Properties, &C::SetProperties>("Properties", {"Key"}));
    }
    std::string Status() const { return status; }
    void SetStatus(std::string_view s) { status = s; }
    // Only keys the job knows read and write; others are error 5.
    Variant Properties(std::string_view key) { return entry(key); }
    void SetProperties(std::string_view key, const Variant& v) { entry(key) = v; }

    std::string status = "Queued";
    std::map<std::string, Variant, std::less<>> table_{{"Priority", Variant::I4(3)}};

  private:
    Variant& entry(std::string_view key) {
        auto it = table_.find(key);
        if (it == table_.end())
            throw AutomationError(err::InvalidProcedureCall, "FakeJob", "no such key");
        return it->second;
    }
};

inline Variant sourceGet(iTAVSourcePart& s, std::string_view name) {
    return s.Value(name);
}

}  // namespace tav::fakes
