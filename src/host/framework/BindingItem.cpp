#include "host/framework/BindingItem.h"

#include "host/framework/Binding.h"
#include "host/framework/Form.h"
#include "host/framework/FrameworkText.h"

namespace tav {

ClassDesc BindingItem::describe() {
    return ClassDesc(std::string(FrameworkText::BindingItem), std::string(FrameworkText::BindingItemHelp))
        .exposes<iTAVBindingItem>();
}

IRef<iTAVParentBinding> BindingItem::Parent() {
    return binding_ ? IRef<iTAVParentBinding>(Ref<Binding>(binding_)) : IRef<iTAVParentBinding>();
}

std::string BindingItem::SourcePropertyName() { return binding_ ? binding_->propertyText() : std::string(); }

SafeArray BindingItem::SourcePropertyNames() {
    std::vector<Variant> names;
    if (binding_)
        for (const std::string& p : binding_->properties()) names.emplace_back(p);
    return SafeArray::vector(std::move(names), 0, VarType::String);
}

IRef<iTAVControlPart> BindingItem::ControlPart() {
    return binding_ ? tryQuery<iTAVControlPart>(binding_->control().get()) : IRef<iTAVControlPart>();
}

void BindingItem::RequestStore() {
    if (binding_ && binding_->form()) binding_->form()->request(*binding_, Form::RequestStore);
}

void BindingItem::RequestRedisplay() {
    if (binding_ && binding_->form()) binding_->form()->request(*binding_, Form::RequestDisplay);
}

}  // namespace tav
