#pragma once
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/controls/Control.h"

namespace tav {

class ErrorMark;

// A Qt widget as a control of the binding framework (the adapters derive from it).
//
//  - The widget belongs to its Qt parent; the adapter keeps a guarded pointer to it. Once the
//    widget is gone, showing a value fails with error 91 and the current value is Empty.
//  - What a form user means as an entry (each adapter picks the signal: Return or leaving a
//    line edit, toggling a check box, choosing an item) calls the edit handler, which the
//    binder (WidgetBinder) sets to run its storage cycles. A value the display cycle puts into
//    the widget never calls it.
//  - A failed cycle is marked on the control: its tool tip tells the error and a red frame
//    surrounds it, while the widget keeps what it showed or the user entered. The mark goes
//    when a later storage goes through or the display cycle puts a value in.
//  - The widget stays as it was designed: an adapter changes none of its settings.
class WidgetControl : public Control {
public:
    WidgetControl(const WidgetControl&) = delete;
    WidgetControl& operator=(const WidgetControl&) = delete;
    ~WidgetControl() override;

    QWidget* widget() const { return widget_; }
    void setEditHandler(std::function<void()> handler) { onEdit_ = std::move(handler); }
    // Lets the widget go: the edit handler and the connections to the widget are cut and the
    // mark taken away; the widget keeps what it shows.
    void detachWidget();

    // Shows the value, converted as the host's control of the same kind converts it; a value
    // the control cannot keep fails with the conversion's error and leaves the widget alone.
    void Show(const Variant& value) final;

    // Whether the widget shows its label itself (a button's text) rather than beside it.
    virtual bool labelsItself() const { return false; }
    virtual void setLabel(const QString& /*text*/) {}

    void markError(const QString& text);
    void clearError();
    bool marked() const;

protected:
    explicit WidgetControl(QWidget& widget);

    virtual void showValue(const Variant& value) = 0;
    // The user has made an entry.
    void userEdited();
    // A connection from the widget to this adapter, cut when the adapter goes.
    void track(QMetaObject::Connection connection) {
        connections_.push_back(std::move(connection));
    }
    // The widget; error 91 once it is gone.
    QWidget& live() const;

    // The text a text control shows for a value: a string as it is, Null as empty text, any
    // other value as CStr gives it (an object or array fails with its error).
    static QString textOf(const Variant& value);
    // The same text in UTF-8, without a copy for a string: in `converted` when it had to be made.
    static std::string_view utf8TextOf(const Variant& value, std::string& converted);
    static Variant variantOf(const QString& text);

private:
    QPointer<QWidget> widget_;
    QPointer<ErrorMark> mark_;
    QString plainToolTip_;  // the widget's own tool tip, back when the mark goes
    std::function<void()> onEdit_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace tav
