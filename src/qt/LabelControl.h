#pragma once
#include <QLabel>

#include "automation/objects/Dispatchable.h"
#include "qt/WidgetControl.h"

namespace tav {

// A QLabel for a value its user only reads: it shows the value as a text box would (shown as
// plain text, never as markup) and starts no storage.
class LabelControl : public Dispatchable<LabelControl>, public WidgetControl {
public:
    static ClassDesc describe();
    explicit LabelControl(QLabel& label);

    Variant Value() const { return widget() ? variantOf(label().text()) : Variant(); }
    Variant CurrentValue() override { return Value(); }

protected:
    void showValue(const Variant& value) override;

private:
    QLabel& label() const { return static_cast<QLabel&>(live()); }
};

}  // namespace tav
