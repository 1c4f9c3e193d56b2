#include "host/framework/BindingNotifier.h"

#include "host/framework/Form.h"
#include "host/framework/FrameworkText.h"

namespace tav {

namespace T = FrameworkText;

ClassDesc BindingNotifier::describe() {
    using C = BindingNotifier;
    return ClassDesc(std::string(T::Notifier), std::string(T::NotifierHelp))
        .add(property<&C::DesignMode, &C::SetDesignMode>(T::DesignMode))
        .add(property<&C::Log>(T::Log))
        .implements<iTAVBindingNotifier>();
}

void BindingNotifier::PropertyChanged(std::string_view PropertyName) {
    log_.record(NotifierLog::Call::PropertyChanged, PropertyName);
    if (form_) form_->propertyChanged(*this, PropertyName);
}

void BindingNotifier::SourceObjectAboutToChange() {
    log_.record(NotifierLog::Call::AboutToChange);
    if (form_) form_->sourceAboutToChange(*this);
}

void BindingNotifier::SourceObjectChanged() {
    log_.record(NotifierLog::Call::Changed);
    if (form_) form_->sourceChanged(*this);
}

void BindingNotifier::attach(Form* form) {
    form_ = form;
    if (form_ && designMode_) form_->SetDesignMode(true);
}

bool BindingNotifier::DesignMode() { return form_ ? form_->DesignMode() : designMode_; }

void BindingNotifier::SetDesignMode(bool NewValue) {
    if (form_) form_->SetDesignMode(NewValue);
    else designMode_ = NewValue;
}

}  // namespace tav
