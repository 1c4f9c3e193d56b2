#pragma once
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "host/forms/FormFile.h"
#include "host/forms/FormRunner.h"
#include "qt/WidgetControl.h"

class QLabel;
class QVBoxLayout;
class QPushButton;
class QTimer;

namespace tav {

class DesignerForm;
class WidgetBinder;

// A form file running in a window of real widgets (tavparts gui). The controls are laid out in
// file order, in a box per group, each with its label (the name of the first binding on it
// unless the file gives one); a button's label is its own text. A form file that names a
// Designer form (a ui line) shows that form instead, its control lines naming its widgets.
// Every binding is displayed at once. The window's binder runs the storage cycles of a user's
// entries and marks the controls whose cycles fail; the status line tells the last failure of
// any cycle or step; "Replay" applies the edit steps one after the other.
class FormWindow : public QWidget {
  public:
    // Loads the form; a line that fails throws FormLoadError naming it, as tavparts run reports
    // it. `steps` are what Replay applies.
    FormWindow(const FormFile& file, std::vector<FormFile::Line> steps, QWidget* parent = nullptr);
    explicit FormWindow(const FormFile& file) : FormWindow(file, file.edits) {}
    ~FormWindow() override;

    Form& form() const { return runner_.form(); }
    const FormRunner& runner() const { return runner_; }
    WidgetBinder& binder() const { return *binder_; }
    // The control of that name, or nullptr.
    WidgetControl* control(std::string_view name) const;
    QString status() const;
    QPushButton& replayButton() const { return *replay_; }

    // One step: a user's entry in a control (the value put in and confirmed, as if typed) or a
    // program's change of a property; its failures go to the status line. A step naming no
    // control or object of the form throws FormLoadError.
    void apply(const FormFile::Line& step);
    // The window as it appears on screen, laid out and shown (off screen on that platform).
    QImage snapshot();

  private:
    struct Placed {
        std::string name;
        QString label;
        QString group;
        QWidget* widget;
        WidgetControl* control;
    };

    Ref<Object> makeControl(const FormFile::Line& line);
    void layOut();
    void layOutControls(QVBoxLayout& page);
    QString defaultLabel(const Placed& p) const;
    const Placed* find(std::string_view name) const;
    void showFailure(const QString& what, int32_t number, const QString& description);
    void replayNext();

    std::ostream quiet_{nullptr};  // the runner's step printing goes nowhere
    FormRunner runner_{quiet_};
    WidgetBinder* binder_;
    std::unique_ptr<DesignerForm> designer_;
    std::vector<FormFile::Line> steps_;
    std::vector<Placed> placed_;
    QLabel* status_;
    QPushButton* replay_;
    QTimer* replayTimer_;
    size_t nextStep_ = 0;
};

}  // namespace tav
