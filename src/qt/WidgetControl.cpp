#include "qt/WidgetControl.h"

#include <QObject>
#include <string>

#include "automation/conversions/Conversions.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "qt/ErrorMark.h"
#include "qt/QtStrings.h"
#include "qt/QtText.h"

namespace tav {

WidgetControl::WidgetControl(QWidget& widget) : widget_(&widget) {}

WidgetControl::~WidgetControl() { detachWidget(); }

void WidgetControl::detachWidget() {
    onEdit_ = nullptr;
    for (const QMetaObject::Connection& c : connections_) QObject::disconnect(c);
    connections_.clear();
    clearError();
    delete mark_.data();
}

QWidget& WidgetControl::live() const {
    if (!widget_)
        throw AutomationError(err::ObjectNotSet, std::string(QtText::WidgetSource),
                              std::string(QtText::WidgetGone));
    return *widget_;
}

void WidgetControl::Show(const Variant& value) {
    live();  // a control whose widget is gone shows nothing
    showValue(value);
    clearError();
}

void WidgetControl::userEdited() {
    if (onEdit_) onEdit_();
}

void WidgetControl::markError(const QString& text) {
    QWidget& w = live();
    if (!marked()) plainToolTip_ = w.toolTip();
    w.setToolTip(text);
    if (!mark_) mark_ = new ErrorMark(w);
    mark_->raise();
    mark_->show();
}

void WidgetControl::clearError() {
    if (!marked()) return;
    mark_->hide();
    if (widget_) widget_->setToolTip(plainToolTip_);
}

bool WidgetControl::marked() const {
    return mark_ && !mark_->isHidden();
}

QString WidgetControl::textOf(const Variant& value) {
    std::string converted;
    return qtext(utf8TextOf(value, converted));
}

std::string_view WidgetControl::utf8TextOf(const Variant& value, std::string& converted) {
    if (value.isString()) return value.str();
    if (value.isNull()) return {};
    converted = CStr(value);
    return converted;
}

Variant WidgetControl::variantOf(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Variant(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

}  // namespace tav
