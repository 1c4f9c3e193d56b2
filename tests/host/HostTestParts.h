#pragma once
// Small parts for driving the host framework in tests: a source part over an AutoObject, a
// glue and a direct glue that log what the framework asks of them and can be told to fail.
#include <functional>
#include <string>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "automation/objects/Invoke.h"
#include "automation/values/TypedLiteral.h"
#include "contracts/iTAVGlueDirect.h"
#include "contracts/iTAVGluePart.h"
#include "contracts/iTAVSourcePart.h"
#include "host/objects/AutoObject.h"

namespace tav::testparts {

using Trace = std::vector<std::string>;

// Reads and writes the source object's members by name and reports writes and object changes
// to its notifier, as the dispatch source part does.
class TestSource : public Dispatchable<TestSource>, public iTAVSourcePart {
public:
    static ClassDesc describe() { return ClassDesc("TestSource", "").implements<iTAVSourcePart>(); }
    explicit TestSource(Trace* trace = nullptr) : trace_(trace) {}

    Variant Value(std::string_view name) override {
        log("get:" + std::string(name));
        return invoke(*object_, name, InvokeKind::PropertyGet);
    }
    void LetValue(std::string_view name, const Variant& v) override { put(name, v, InvokeKind::PropertyLet, "let:"); }
    void SetValue(std::string_view name, const Variant& v) override { put(name, v, InvokeKind::PropertySet, "set:"); }
    void SetNotifier(const IRef<iTAVBindingNotifier>& n) override { notifier_ = n; }
    IRef<iTAVBindingNotifier> Notifier() override { return notifier_; }
    void SetSourceObject(const Ref<Object>& o) override {
        if (notifier_) notifier_->SourceObjectAboutToChange();
        object_ = o;
        if (notifier_) notifier_->SourceObjectChanged();
    }
    Ref<Object> SourceObject() override { return object_; }
    SafeArray ListPropertyNames() override { return SafeArray::unallocated(VarType::String); }
    std::string Caption() override { return "Test"; }

private:
    void log(std::string s) {
        if (trace_) trace_->push_back(std::move(s));
    }
    void put(std::string_view name, const Variant& v, InvokeKind kind, const char* what) {
        log(what + std::string(name) + "=" + literal::print(v));
        Variant args[] = {v};
        invoke(*object_, name, kind, args);
        if (notifier_) notifier_->PropertyChanged(name);
    }

    Trace* trace_;
    Ref<Object> object_;
    IRef<iTAVBindingNotifier> notifier_;
};

// Logs "NAME.display", "NAME.store", "NAME.WakeUp", ... and runs the hooks it is given.
class TraceGlue : public Dispatchable<TraceGlue>, public iTAVGluePart {
public:
    static ClassDesc describe() { return ClassDesc("TraceGlue", "").implements<iTAVGluePart>(); }
    TraceGlue(std::string name, Trace& trace) : name_(std::move(name)), trace_(trace) {}

    std::function<void(Variant&)> onDisplay, onStore;
    IRef<iTAVBindingItem> item;

    void WakeUp(const IRef<iTAVBindingItem>& i) override {
        trace_.push_back(name_ + ".WakeUp");
        item = i;
    }
    void TransformForDisplay(Variant& v) override {
        trace_.push_back(name_ + ".display");
        if (onDisplay) onDisplay(v);
    }
    void InvTransformForStorage(Variant& v) override {
        trace_.push_back(name_ + ".store");
        if (onStore) onStore(v);
    }
    void TearDown() override {
        trace_.push_back(name_ + ".TearDown");
        item.reset();
    }
    void OnBindingError(const IRef<iTAVBindingItem>&, int32_t ctx) override {
        trace_.push_back(name_ + ".error:" + std::to_string(ctx));
    }

private:
    std::string name_;
    Trace& trace_;
};

// A direct glue that logs what it is handed.
class TraceDirect : public Dispatchable<TraceDirect>, public iTAVGlueDirect {
public:
    static ClassDesc describe() { return ClassDesc("TraceDirect", "").implements<iTAVGlueDirect>(); }
    explicit TraceDirect(Trace& trace) : trace_(trace) {}

    Variant GetDisplayValue(Variant& v) override {
        trace_.push_back(std::string("direct.display:") + (isMissing(v) ? "Missing" : literal::print(v)));
        v = Variant("shown");
        return v;
    }
    Variant GetStorageValue(Variant& v) override {
        trace_.push_back("direct.store:" + literal::print(v));
        return Variant::I4(42);
    }
    void WakeUp(const Ref<Object>& src, std::string_view prop, const Ref<Object>& control) override {
        trace_.push_back("direct.WakeUp:" + std::string(src ? src->typeName() : "Nothing") + ":" + std::string(prop) +
                         ":" + std::string(control->typeName()));
    }
    void TearDown() override { trace_.push_back("direct.TearDown"); }

private:
    Trace& trace_;
};

// An AutoObject with the given properties: {name, type, initial value}.
inline Ref<AutoObject> sampleObject(std::initializer_list<std::tuple<const char*, const char*, Variant>> props) {
    Ref<AutoObject> o = makeRef<AutoObject>();
    for (const auto& [name, type, value] : props) o->DefineProperty(name, type, value);
    return o;
}

inline Variant get(Object& o, std::string_view name) { return invoke(o, name, InvokeKind::PropertyGet); }
inline void let(Object& o, std::string_view name, Variant v) {
    Variant args[] = {std::move(v)};
    invoke(o, name, InvokeKind::PropertyLet, args);
}

}  // namespace tav::testparts
