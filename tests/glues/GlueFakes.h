// Small stand-ins for the host objects a glue reaches through its binding item, and helpers
// the glue tests share.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "automation/objects/Invoke.h"
#include "automation/values/TypedLiteral.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVBindingItem.h"
#include "contracts/iTAVContainerRoot.h"
#include "contracts/iTAVControlFinder.h"
#include "contracts/iTAVControlPart.h"
#include "contracts/iTAVGluePart.h"
#include "contracts/iTAVParentBinding.h"
#include "contracts/iTAVSourcePart.h"

namespace tav::fakes {

inline Variant lit(std::string_view text) {
    return literal::parse(text);
}
inline std::string print(const Variant& v) {
    return literal::print(v);
}

// What an operation raised, printed as "number|source|description" ("" when it raised nothing).
inline std::string failure(const std::function<void()>& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return std::to_string(e.number()) + "|" + e.source() + "|" + e.description();
    }
    return "";
}
inline std::string stopCycle() {
    return std::to_string(err::StopCycle) + "||";
}

// The property-changed notices of a persistable part, joined by "|".
class Notices : public IPropertyChangedSink {
  public:
    explicit Notices(Persistable& p) : conn_(p.propertyChanges().advise(*this)) {}
    void OnPropertyChanged(std::string_view name) override {
        log_ += (log_.empty() ? "" : "|") + std::string(name);
    }
    std::string take() { return std::exchange(log_, {}); }

  private:
    std::string log_;
    Connection conn_;
};

class FakeCommands : public Dispatchable<FakeCommands>, public iTAVCommandObject {
  public:
    static ClassDesc describe() {
        return ClassDesc("FakeCommands", "").implements<iTAVCommandObject>();
    }
    void RunCommand(std::string_view name) override {
        runs.emplace_back(name);
        if (failWith) throw *failWith;
    }
    std::vector<std::string> runs;
    std::optional<AutomationError> failWith;
};

class FakeRoot : public Dispatchable<FakeRoot>, public iTAVContainerRoot {
  public:
    static ClassDesc describe() {
        return ClassDesc("FakeRoot", "").implements<iTAVContainerRoot>();
    }
    IRef<iTAVCommandObject> CommandObject() override { return IRef<iTAVCommandObject>(commands); }
    Ref<FakeCommands> commands = makeRef<FakeCommands>();
};

class FakeFinder : public Dispatchable<FakeFinder>, public iTAVControlFinder {
  public:
    static ClassDesc describe() {
        return ClassDesc("FakeFinder", "").implements<iTAVControlFinder>();
    }
    Ref<Object> FindControl(const Variant& name) override {
        lookups.push_back(print(name));
        return name.isString() && name.str() == kContainerRoot ? root : Ref<Object>();
    }
    Ref<Object> root;
    std::vector<std::string> lookups;
};

class FakeParent : public Dispatchable<FakeParent>, public iTAVParentBinding {
  public:
    static ClassDesc describe() {
        return ClassDesc("FakeParent", "").implements<iTAVParentBinding>();
    }
    bool DesignTime() override { return designTime; }
    IRef<iTAVControlFinder> ControlFinder() override {
        return finder ? IRef<iTAVControlFinder>(finder) : nullptr;
    }
    IRef<iTAVSourcePart> SourcePart() override { return {}; }
    bool designTime = false;
    Ref<FakeFinder> finder;
};

class FakeControlPart : public Dispatchable<FakeControlPart>, public iTAVControlPart {
  public:
    static ClassDesc describe() {
        return ClassDesc("FakeControlPart", "").implements<iTAVControlPart>();
    }
    Variant CurrentValue() override {
        if (unreadable) throw AutomationError(err::ObjectDoesNotSupport);
        return value;
    }
    Variant value;
    bool unreadable = false;
};

class FakeItem : public Dispatchable<FakeItem>, public iTAVBindingItem {
  public:
    static ClassDesc describe() { return ClassDesc("FakeItem", "").implements<iTAVBindingItem>(); }
    IRef<iTAVParentBinding> Parent() override {
        ++parentCalls;
        return parent ? IRef<iTAVParentBinding>(parent) : nullptr;
    }
    std::string SourcePropertyName() override { return "Charge"; }
    SafeArray SourcePropertyNames() override { return SafeArray::vector({Variant("Charge")}); }
    IRef<iTAVControlPart> ControlPart() override {
        return control ? IRef<iTAVControlPart>(control) : nullptr;
    }
    void RequestStore() override {}
    void RequestRedisplay() override {}
    Ref<FakeParent> parent;
    Ref<FakeControlPart> control;
    int parentCalls = 0;
};

// A binding as the framework strings it at run time: item -> parent -> finder -> root.
struct RunningBinding {
    Ref<FakeItem> item = makeRef<FakeItem>();
    Ref<FakeParent> parent = makeRef<FakeParent>();
    Ref<FakeFinder> finder = makeRef<FakeFinder>();
    Ref<FakeRoot> root = makeRef<FakeRoot>();
    Ref<FakeControlPart> control = makeRef<FakeControlPart>();
    RunningBinding() {
        item->parent = parent;
        item->control = control;
        parent->finder = finder;
        finder->root = root;
    }
    IRef<iTAVBindingItem> ref() const { return IRef<iTAVBindingItem>(item); }
};

// The glue's transforms, called by name as the framework's dispatch would, on a copy.
inline Variant display(Object& glue, const Variant& value) {
    std::vector<Variant> args{value};
    invoke(glue, "iTAVGluePart", "TransformForDisplay", InvokeKind::Method, args);
    return args[0];
}
inline Variant store(Object& glue, const Variant& value) {
    std::vector<Variant> args{value};
    invoke(glue, "iTAVGluePart", "InvTransformForStorage", InvokeKind::Method, args);
    return args[0];
}
inline void let(Object& obj, std::string_view name, const Variant& value) {
    std::vector<Variant> args{value};
    invoke(obj, name, InvokeKind::PropertyLet, args);
}
inline Variant get(Object& obj, std::string_view name) {
    return invoke(obj, name, InvokeKind::PropertyGet);
}

// The names of a class's default-interface members in table order, with their types.
inline std::string memberList(const ClassDesc& desc) {
    std::string out;
    for (const MemberDesc& m : desc.defaultInterface().members())
        out += (out.empty() ? "" : " ") + m.name + ":" + m.type.spelling();
    return out;
}

}  // namespace tav::fakes
