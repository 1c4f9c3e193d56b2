#pragma once
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "automation/objects/Interfaces.h"
#include "host/forms/FormFile.h"
#include "host/forms/FormRunner.h"
#include "qt/WidgetControl.h"

class QLabel;
class QPushButton;
class QTimer;

namespace tav {

// A form file running in a window of real widgets (tavparts gui). The controls are laid out in
// file order, in a box per group, each with its label (the name of the first binding on it
// unless the file gives one); a button's label is its own text. Every binding is displayed at
// once. A user's entry in a control runs the storage cycle of every binding on it and marks the
// control when one fails; the status line tells the last failure of any cycle or step; "Replay"
// applies the edit steps one after the other.
class FormWindow : public QWidget {
  public:
    // Loads the form; a line that fails throws FormLoadError naming it, as tavparts run reports
    // it. `steps` are what Replay applies.
    FormWindow(const FormFile& file, std::vector<FormFile::Line> steps, QWidget* parent = nullptr);
    explicit FormWindow(const FormFile& file) : FormWindow(file, file.edits) {}
    ~FormWindow() override;

    Form& form() const { return runner_.form(); }
    const FormRunner& runner() const { return runner_; }
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
        IRef<WidgetControl> control;
    };

    Ref<Object> makeControl(const FormFile::Line& line);
    void layOut();
    QString defaultLabel(const Placed& p) const;
    Placed* find(std::string_view name);
    void storeEntry(Placed& p);
    // Takes the form's failures; the status line shows the last.
    void noteFailures();
    void showFailure(const QString& what, int32_t number, const QString& description);
    void replayNext();

    std::ostream quiet_{nullptr};  // the runner's step printing goes nowhere
    FormRunner runner_{quiet_};
    std::vector<FormFile::Line> steps_;
    std::vector<Placed> placed_;
    QLabel* status_ = nullptr;
    QPushButton* replay_ = nullptr;
    QTimer* replayTimer_ = nullptr;
    size_t nextStep_ = 0;
};

}  // namespace tav
