#pragma once
#include <QWidget>

namespace tav {

// A red frame over a widget, marking a control whose last storage failed. It is a child of the
// widget drawn on top of it, follows the widget's size and lets every mouse event through, so
// it works for every kind of widget without touching the widget's own style.
class ErrorMark : public QWidget {
public:
    explicit ErrorMark(QWidget& target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tav
