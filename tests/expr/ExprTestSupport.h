#pragma once
// Helpers for the expression tests: evaluating a text in one call, printing an outcome (value
// or error) as one comparable string, and small stand-ins for the binding item, the parent
// binding and the source part that the expression glues reach.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "automation/values/AutomationError.h"
#include "automation/objects/Dispatchable.h"
#include "automation/values/SafeArray.h"
#include "automation/values/TypedLiteral.h"
#include "automation/vectors/VectorOps.h"
#include "contracts/iTAVBindingItem.h"
#include "contracts/iTAVParentBinding.h"
#include "contracts/iTAVSourcePart.h"
#include "expr/ExprEvaluator.h"

namespace tav::exprtest {

// "Err:N "SOURCE" "DESCRIPTION"", as the command line and scripts print errors.
inline std::string errorLine(const AutomationError& e) {
    return vectors::errorText(e.number()) + " " + literal::quote(e.source()) + " " + literal::quote(e.description());
}

// The printed value of f(), or its error line.
template <class F>
std::string outcome(F&& f) {
    try {
        return literal::print(f());
    } catch (const AutomationError& e) {
        return errorLine(e);
    }
}

template <class F>
std::string errorOf(F&& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return errorLine(e);
    }
    return "no error";
}

using Vars = std::vector<std::pair<std::string, Variant>>;

inline std::string evaluate(std::string_view text, const Vars& vars = {}) {
    return outcome([&] {
        Ref<ExprEvaluator> ev = makeRef<ExprEvaluator>();
        for (const auto& [name, value] : vars) ev->SetNamedVariable(name, value);
        ev->SetExpressionString(text);
        return ev->EvalExpresion();
    });
}

// A source part over a table of property values; remembers every let.
class FakeSource : public Dispatchable<FakeSource>, public iTAVSourcePart {
public:
    static ClassDesc describe() { return ClassDesc("FakeSource", "").implements<iTAVSourcePart>(); }

    Variant Value(std::string_view name) override {
        reads.push_back(std::string(name));
        auto it = values.find(std::string(name));
        if (it == values.end()) throw AutomationError(err::ObjectDoesNotSupport);
        return it->second;
    }
    void LetValue(std::string_view name, const Variant& v) override {
        lets.push_back(std::string(name) + "=" + literal::print(v));
        values[std::string(name)] = v;
    }
    void SetValue(std::string_view name, const Variant& v) override { LetValue(name, v); }
    void SetNotifier(const IRef<iTAVBindingNotifier>&) override {}
    IRef<iTAVBindingNotifier> Notifier() override { return {}; }
    void SetSourceObject(const Ref<Object>&) override {}
    Ref<Object> SourceObject() override { return {}; }
    SafeArray ListPropertyNames() override { return SafeArray::unallocated(VarType::String); }
    std::string Caption() override { return "Fake"; }

    std::map<std::string, Variant> values;
    std::vector<std::string> lets;
    std::vector<std::string> reads;
};

class FakeParent : public Dispatchable<FakeParent>, public iTAVParentBinding {
public:
    static ClassDesc describe() { return ClassDesc("FakeParent", "").implements<iTAVParentBinding>(); }
    bool DesignTime() override { return designTime; }
    IRef<iTAVControlFinder> ControlFinder() override { return {}; }
    IRef<iTAVSourcePart> SourcePart() override { return IRef<iTAVSourcePart>(source); }

    bool designTime = false;
    Ref<FakeSource> source = makeRef<FakeSource>();
};

class FakeItem : public Dispatchable<FakeItem>, public iTAVBindingItem {
public:
    static ClassDesc describe() { return ClassDesc("FakeItem", "").implements<iTAVBindingItem>(); }
    IRef<iTAVParentBinding> Parent() override { return parent ? IRef<iTAVParentBinding>(parent) : IRef<iTAVParentBinding>(); }
    std::string SourcePropertyName() override { return names.empty() ? std::string() : names.front(); }
    SafeArray SourcePropertyNames() override {
        std::vector<Variant> items;
        for (const std::string& n : names) items.emplace_back(n);
        return SafeArray::vector(std::move(items), namesLowerBound);
    }
    IRef<iTAVControlPart> ControlPart() override { return {}; }
    void RequestStore() override {}
    void RequestRedisplay() override {}

    Ref<FakeParent> parent = makeRef<FakeParent>();
    std::vector<std::string> names;
    int32_t namesLowerBound = 0;

    FakeSource& source() { return *parent->source; }
    IRef<iTAVBindingItem> asItem() { return IRef<iTAVBindingItem>(Ref<FakeItem>(this)); }
};

}  // namespace tav::exprtest
