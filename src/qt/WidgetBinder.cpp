#include "qt/WidgetBinder.h"

#include <algorithm>
#include <utility>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "qt/QObjectProxy.h"
#include "qt/QtLocale.h"
#include "qt/QtStrings.h"
#include "qt/QtText.h"
#include "qt/WidgetKinds.h"

namespace tav {

WidgetBinder::WidgetBinder(QWidget* root, QObject* parent)
    : WidgetBinder(makeRef<Form>(), root, parent) {
    form_->keepLog(false);  // a form of its own: nobody reads its notifier log
}

WidgetBinder::WidgetBinder(Ref<Form> form, QWidget* root, QObject* parent)
    : QObject(parent),
      form_(std::move(form)),
      root_(root),
      failures_(form_->failureEvents().advise(*this)) {
    // The widgets show and take text in Qt's default locale, unless the application chose one.
    qtlocale::follow();
}

WidgetBinder::~WidgetBinder() {
    failures_.reset();
    while (!bound_.empty()) {
        release(bound_.back());
        bound_.pop_back();
    }
}

void WidgetBinder::setSource(const Ref<Object>& sourcePart, const Ref<Object>& sourceObject) {
    form_->setSource(sourcePart, sourceObject);
}

void WidgetBinder::setSource(const Ref<Object>& sourcePart, QObject* sourceObject) {
    form_->setSource(sourcePart, Ref<Object>(QObjectProxy::of(sourceObject)));
}

QWidget& WidgetBinder::widget(std::string_view objectName) const {
    QWidget* found = root_ ? root_->findChild<QWidget*>(qtext(objectName)) : nullptr;
    if (!found)
        throw AutomationError(err::InvalidProcedureCall, std::string(QtText::WidgetSource),
                              std::string(QtText::NoSuchWidget) + std::string(objectName));
    return *found;
}

WidgetControl& WidgetBinder::control(QWidget* widget) {
    if (!widget)
        throw AutomationError(err::ObjectNotSet, std::string(QtText::WidgetSource),
                              std::string(QtText::WidgetGone));
    if (Bound* b = find(widget)) return *b->control;
    IRef<WidgetControl> adapter = widgetkinds::adapt(*widget);
    WidgetControl* c = adapter.get();
    c->setEditHandler([this, c] { store(*find(objectOf(c))); });
    // The widget going takes its bindings along, before anything else can reach them.
    QMetaObject::Connection destroyed =
        QObject::connect(widget, &QObject::destroyed, this, [this, c] { drop(c); });
    bound_.push_back(Bound{widget, std::move(adapter), destroyed});
    return *c;
}

std::string WidgetBinder::bindingName(const QWidget& widget, std::string_view property) const {
    std::string name = widget.objectName().toStdString();
    if (name.empty()) name = QtText::UnnamedWidget;
    if (!form_->find(name)) return name;
    name += '.';
    name += property;
    std::string numbered = name;
    for (int n = 2; form_->find(numbered); ++n) numbered = name + '.' + std::to_string(n);
    return numbered;
}

Binding& WidgetBinder::bind(QWidget* widget, const Ref<Object>& sourcePart,
                            std::string_view property, std::span<const Ref<Object>> glues) {
    WidgetControl& c = control(widget);
    Binding& b = form_->addBinding(bindingName(*widget, property), sourcePart, property,
                                   Ref<Object>(objectOf(&c)), glues);
    form_->display(b);
    return b;
}

Binding& WidgetBinder::bind(QWidget* widget, const Ref<Object>& sourcePart,
                            std::string_view property, std::initializer_list<Ref<Object>> glues) {
    return bind(widget, sourcePart, property,
                std::span<const Ref<Object>>(glues.begin(), glues.size()));
}

Binding& WidgetBinder::bind(std::string_view objectName, const Ref<Object>& sourcePart,
                            std::string_view property, std::initializer_list<Ref<Object>> glues) {
    return bind(&widget(objectName), sourcePart, property, glues);
}

Binding& WidgetBinder::bind(std::string_view objectName, const Ref<Object>& sourcePart,
                            std::string_view property, std::span<const Ref<Object>> glues) {
    return bind(&widget(objectName), sourcePart, property, glues);
}

std::vector<Ref<Binding>> WidgetBinder::bindingsOn(const Object* control) const {
    std::vector<Ref<Binding>> on;
    for (const Ref<Binding>& b : form_->bindings())
        if (b->control().get() == control) on.push_back(b);
    return on;
}

WidgetBinder::Bound* WidgetBinder::find(const Object* control) {
    for (Bound& b : bound_)
        if (b.control.object() == control) return &b;
    return nullptr;
}

WidgetBinder::Bound* WidgetBinder::find(const QWidget* widget) {
    for (Bound& b : bound_)
        if (b.widget == widget) return &b;
    return nullptr;
}

void WidgetBinder::store(QWidget* widget) {
    if (Bound* entry = find(widget)) store(*entry);
}

void WidgetBinder::store(Bound& entry) {
    // Kept: a storage may remove the entry (its widget destroyed by a command, say).
    const IRef<WidgetControl> control = entry.control;
    bool failed = false;
    // Taken first: a storage may add or remove bindings.
    for (const Ref<Binding>& b : bindingsOn(control.object()))
        if (b->form() == form_.get()) failed |= form_->store(*b).outcome == CycleOutcome::Failed;
    if (!failed && control->widget()) control->clearError();
}

void WidgetBinder::displayAll() {
    std::vector<Ref<Binding>> all;
    for (const Bound& b : bound_)
        for (Ref<Binding>& binding : bindingsOn(b.control.object()))
            all.push_back(std::move(binding));
    for (const Ref<Binding>& b : all)
        if (b->form() == form_.get()) form_->display(*b);
}

void WidgetBinder::cycleFailed(const CycleFailure& failure) {
    const Binding* b = form_->find(failure.binding);
    Bound* entry = b ? find(b->control().get()) : nullptr;
    if (!entry || !entry->widget) return;
    entry->control->markError(qtext(failure.description));
    Q_EMIT failed(entry->widget, failure);
}

void WidgetBinder::unbind(QWidget* widget) {
    if (Bound* entry = find(widget)) drop(entry->control.get());
}

void WidgetBinder::drop(const WidgetControl* control) {
    // Found by its control: a widget being destroyed no longer answers to its pointer.
    const auto it = std::find_if(bound_.begin(), bound_.end(),
                                 [control](const Bound& b) { return b.control.get() == control; });
    if (it == bound_.end()) return;
    Bound gone = std::move(*it);
    bound_.erase(it);
    release(gone);
}

void WidgetBinder::release(Bound& entry) {
    QObject::disconnect(entry.destroyed);
    entry.control->detachWidget();
    for (const Ref<Binding>& b : bindingsOn(entry.control.object())) {
        try {
            form_->removeBinding(*b);
        } catch (const AutomationError&) {
            // A glue that fails to let go changes nothing: the binding is gone from the form.
        }
    }
}

}  // namespace tav
