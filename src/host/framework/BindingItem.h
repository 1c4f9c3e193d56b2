#pragma once
#include <string>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVBindingItem.h"

namespace tav {

class Binding;

// A binding as its glues see it at WakeUp. Glues keep it, so it does not keep its binding alive
// (the binding owns it); once the binding is gone it answers Nothing and empty names.
class BindingItem : public Dispatchable<BindingItem>, public iTAVBindingItem {
public:
    static ClassDesc describe();
    explicit BindingItem(Binding& binding) : binding_(&binding) {}

    IRef<iTAVParentBinding> Parent() override;
    // The property name as the binding was given it ("A|B" for several).
    std::string SourcePropertyName() override;
    // The names one by one, from index 0.
    SafeArray SourcePropertyNames() override;
    IRef<iTAVControlPart> ControlPart() override;
    void RequestStore() override;
    void RequestRedisplay() override;

    void detach() { binding_ = nullptr; }

private:
    Binding* binding_;
};

}  // namespace tav
