#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Interfaces.h"
#include "host/framework/CycleFailureSink.h"
#include "host/framework/Form.h"
#include "qt/WidgetControl.h"

namespace tav {

// Binds the existing widgets of a window (hand-written, a .ui loaded with QUiLoader, or made by
// uic) to source objects through the parts, one call per binding (docs/qt.md):
//
//   WidgetBinder binder(window);
//   Ref<SrcPart_AxCls> sample = makeRef<SrcPart_AxCls>();
//   binder.setSource(sample, &lengthObject);                 // any QObject
//   binder.bind("lengthEdit", sample, "length", {scale, format});
//
//  - Widgets are found by pointer or by objectName among the root widget's descendants; the
//    adapter of each widget's class (WidgetKinds.h) is made once and owned by the binder, and
//    changes none of the widget's settings.
//  - A user's entry runs the storage cycle of every binding on the widget; a program change
//    the source part announces is shown by itself.
//  - A cycle that fails marks its widget (a red frame, the error as tool tip; the widget keeps
//    what it showed or the user entered) and is emitted as failed(), display failures after
//    a program change included. The form's failure sinks and takeFailures() have it too.
//  - Lifetimes: a widget destroyed takes its bindings with it (torn down and removed from the
//    form); the binder destroyed tears down and removes every binding it made or adapted a
//    widget for and lets the widgets go, which keep what they show.
//
// The binder lives on the widgets' thread, as do its form and the source objects.
class WidgetBinder : public QObject, private CycleFailureSink {
    Q_OBJECT

  public:
    // Binds the widgets under `root` with a form of its own.
    explicit WidgetBinder(QWidget* root = nullptr, QObject* parent = nullptr);
    // Binds them with a form an application (or a form file) has made.
    WidgetBinder(Ref<Form> form, QWidget* root, QObject* parent = nullptr);
    ~WidgetBinder() override;
    WidgetBinder(const WidgetBinder&) = delete;
    WidgetBinder& operator=(const WidgetBinder&) = delete;

    Form& form() const { return *form_; }

    // Gives the source part the form's notifier and then the source object; a QObject is
    // given as its QObjectProxy.
    void setSource(const Ref<Object>& sourcePart, const Ref<Object>& sourceObject);
    void setSource(const Ref<Object>& sourcePart, QObject* sourceObject);

    // Binds the widget to the source part's property ("A|B": several) through the glues (a
    // single direct glue makes a direct binding) and displays it. The binding is named after
    // the widget's objectName (then objectName.property, then a number, when the name is
    // taken). A widget of no known class is error 429; a widget name found nowhere under the
    // root, error 5; the form's own errors pass.
    Binding& bind(QWidget* widget, const Ref<Object>& sourcePart, std::string_view property,
                  std::initializer_list<Ref<Object>> glues = {});
    Binding& bind(QWidget* widget, const Ref<Object>& sourcePart, std::string_view property,
                  std::span<const Ref<Object>> glues);
    Binding& bind(std::string_view objectName, const Ref<Object>& sourcePart,
                  std::string_view property, std::initializer_list<Ref<Object>> glues = {});
    Binding& bind(std::string_view objectName, const Ref<Object>& sourcePart,
                  std::string_view property, std::span<const Ref<Object>> glues);

    // The widget's adapter, made on first use (for bindings made on the form directly).
    WidgetControl& control(QWidget* widget);
    WidgetControl& control(std::string_view objectName) { return control(&widget(objectName)); }
    // The widget of that objectName under the root; error 5 when there is none.
    QWidget& widget(std::string_view objectName) const;
    // Runs the storage cycles of the widget's bindings, as the user's entry in it does.
    void store(QWidget* widget);
    // Tears down and removes the widget's bindings and lets the widget go.
    void unbind(QWidget* widget);
    // Runs the display cycle of every binding on the binder's widgets.
    void displayAll();

  Q_SIGNALS:
    // A cycle of a binding on `widget` failed.
    void failed(QWidget* widget, const tav::CycleFailure& failure);

  private:
    struct Bound {
        QPointer<QWidget> widget;
        IRef<WidgetControl> control;
        QMetaObject::Connection destroyed;
    };

    void cycleFailed(const CycleFailure& failure) override;
    // A user's entry in the control: the storage cycles of its bindings.
    void store(Bound& entry);
    Bound* find(const Object* control);
    Bound* find(const QWidget* widget);
    std::vector<Ref<Binding>> bindingsOn(const Object* control) const;
    // Forgets the entry of the control, then releases it.
    void drop(const WidgetControl* control);
    // Removes the bindings on the entry's control and lets the widget go.
    void release(Bound& entry);
    std::string bindingName(const QWidget& widget, std::string_view property) const;

    Ref<Form> form_;
    QPointer<QWidget> root_;
    std::vector<Bound> bound_;
    Connection failures_;
};

}  // namespace tav
