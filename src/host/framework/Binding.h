#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVGlueDirect.h"
#include "contracts/iTAVGluePart.h"
#include "contracts/iTAVParentBinding.h"
#include "contracts/iTAVSourcePart.h"
#include "host/controls/Control.h"
#include "host/framework/CycleFailure.h"

namespace tav {

class BindingItem;
class BindingNotifier;
class Form;

// One binding of a form: a source part and its property (or several: the value is then a
// name/value array), a chain of glues or one direct glue, and a control. It is also the parent
// binding its glues reach through the binding item. The cycles themselves are here; the form
// decides what their errors mean and when they run.
class Binding : public Dispatchable<Binding>, public iTAVParentBinding {
public:
    // What a binding is made of.
    struct Parts {
        std::string name;
        IRef<iTAVSourcePart> source;
        std::vector<std::string> properties;  // one, or several for a multi-source binding
        Ref<Object> control;
        std::vector<IRef<iTAVGluePart>> glues;  // in chain order
        IRef<iTAVGlueDirect> direct;            // instead of glues
    };

    static ClassDesc describe();
    Binding(Form& form, Parts parts);
    ~Binding() override;

    bool DesignTime() override;
    IRef<iTAVControlFinder> ControlFinder() override;
    IRef<iTAVSourcePart> SourcePart() override { return source_; }
    std::string Name() const { return name_; }

    const std::string& name() const { return name_; }
    const std::vector<std::string>& properties() const { return properties_; }
    // The property names as the binding was given them ("A|B").
    const std::string& propertyText() const { return propertyText_; }
    bool multiSource() const { return properties_.size() > 1; }
    bool isDirect() const { return static_cast<bool>(direct_); }
    // Whether the binding shows this property (names compare without regard to case).
    bool shows(std::string_view property) const;
    // Whether the binding's source part currently reports to this notifier.
    bool servedBy(const BindingNotifier& notifier) const;
    const Ref<Object>& control() const { return controlObject_; }
    Control& controlPart() const { return *control_; }
    const Ref<BindingItem>& item() const { return item_; }
    Form* form() const { return form_; }

    // Display: source value, glues in chain order, control. Storage: control value, glues in
    // reverse order, source (a let, or a set for an object). Errors pass to the caller.
    void display();
    void store();
    void wakeUp();
    void tearDown();
    // Between a tear-down and the next wake-up the notifier's changes leave the binding alone.
    bool tornDown() const { return tornDown_; }
    // Tells every glue that a cycle failed; what the glues do about it cannot fail the form.
    void reportError(Cycle cycle);

    // The form is going: the binding (and its item) no longer reach it.
    void detach() { form_ = nullptr; }

    // The form's bookkeeping: a cycle of this binding is running; requests waiting for it.
    bool running = false;
    uint8_t pending = 0;

private:
    bool tornDown_ = false;
    Variant readSource();
    void writeSource(const Variant& value);
    void write(std::string_view property, const Variant& value);

    Form* form_;
    std::string name_;
    IRef<iTAVSourcePart> source_;
    std::vector<std::string> properties_;
    std::string propertyText_;
    Ref<Object> controlObject_;
    Control* control_;  // the interface of controlObject_
    std::vector<IRef<iTAVGluePart>> glues_;
    IRef<iTAVGlueDirect> direct_;
    Ref<BindingItem> item_;
};

}  // namespace tav
