#include "qt/ErrorMark.h"

#include <QEvent>
#include <QPainter>

#include "qt/QtText.h"

namespace tav {

ErrorMark::ErrorMark(QWidget& target) : QWidget(&target) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(target.rect());
    target.installEventFilter(this);
}

bool ErrorMark::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}

void ErrorMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor colour{QRgb(QtText::ErrorColour)};
    const int w = QtText::ErrorFrameWidth;
    const QRect r = rect();
    p.fillRect(QRect(0, 0, r.width(), w), colour);
    p.fillRect(QRect(0, r.height() - w, r.width(), w), colour);
    p.fillRect(QRect(0, 0, w, r.height()), colour);
    p.fillRect(QRect(r.width() - w, 0, w, r.height()), colour);
}

}  // namespace tav
