#pragma once
#include <QObject>
#include <functional>
#include <utility>

namespace tav {

// Receives one change signal of a QObject (whatever its arguments) and calls a function: Qt
// connects a signal found at run time (a property's NOTIFY) only to a slot of a receiver.
class NotifyRelay : public QObject {
    Q_OBJECT

  public:
    NotifyRelay(std::function<void()> onSignal, QObject* parent)
        : QObject(parent), onSignal_(std::move(onSignal)) {}

  public Q_SLOTS:
    void relay() { onSignal_(); }

  private:
    std::function<void()> onSignal_;
};

}  // namespace tav
