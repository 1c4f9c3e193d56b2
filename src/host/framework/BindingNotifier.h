#pragma once
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVBindingNotifier.h"
#include "host/framework/NotifierLog.h"

namespace tav {

class Form;

// The binding notifier a form gives its source parts (Host.Notifier). It logs every call and,
// once a form has attached it, passes the calls on to that form, which redisplays; attached, its
// design mode is the form's.
class BindingNotifier : public Dispatchable<BindingNotifier>, public iTAVBindingNotifier {
public:
    static ClassDesc describe();

    void PropertyChanged(std::string_view PropertyName) override;
    void SourceObjectAboutToChange() override;
    void SourceObjectChanged() override;
    bool DesignMode() override;
    void SetDesignMode(bool NewValue);
    // The calls received since the last read.
    std::string Log() { return log_.take(); }
    // Whether the calls are logged (they are unless switched off).
    void keepLog(bool on) { log_.switchOn(on); }

    // Serves this form from now on (one form at a time); nullptr detaches.
    // A design mode set on the notifier before the form took it carries over to the form.
    void attach(Form* form);
    Form* form() const { return form_; }

private:
    Form* form_ = nullptr;  // the form holds its notifiers and detaches them before it goes
    bool designMode_ = false;
    NotifierLog log_;
};

}  // namespace tav
