#pragma once
// The sample's window: the Designer form LengthWindow.ui, its widgets bound to a Sample.
#include <QWidget>
#include <memory>

#include "qt/WidgetBinder.h"

class Sample;
namespace Ui {
class LengthWindow;
}

class LengthWindow : public QWidget {
    Q_OBJECT

  public:
    explicit LengthWindow(Sample& sample, QWidget* parent = nullptr);
    ~LengthWindow() override;

  private:
    std::unique_ptr<Ui::LengthWindow> ui_;
    tav::WidgetBinder binder_{this};
};
