#include "qt/FormWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "automation/values/AutomationError.h"
#include "automation/values/TypedLiteral.h"
#include "automation/vectors/VectorOps.h"
#include "host/forms/FormText.h"
#include "host/framework/Form.h"
#include "qt/DesignerForm.h"
#include "qt/QtStrings.h"
#include "qt/QtText.h"
#include "qt/WidgetBinder.h"
#include "qt/WidgetKinds.h"

namespace tav {

namespace {

// A status line is one line: descriptions may break theirs.
QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString stepTitle(const FormFile::Line& step) {
    return qtext(step.keyword + " " + step.words.front() + " " +
                 literal::print(step.values.front()));
}

// The control line's optional texts: label, then group.
QString lineText(const FormFile::Line& line, size_t i) {
    return i < line.values.size() ? qtext(line.values[i].str()) : QString();
}

}  // namespace

FormWindow::FormWindow(const FormFile& file, std::vector<FormFile::Line> steps, QWidget* parent)
    : QWidget(parent),
      binder_(new WidgetBinder(Ref<Form>(&runner_.form()), this, this)),
      steps_(std::move(steps)),
      status_(new QLabel(qtext(QtText::NoFailures), this)),
      replay_(new QPushButton(qtext(QtText::Replay), this)),
      replayTimer_(new QTimer(this)) {
    setWindowTitle(qtext(QtText::WindowTitle) + QFileInfo(qtext(file.path)).fileName());
    QObject::connect(binder_, &WidgetBinder::failed, this, [this](QWidget*, const CycleFailure& f) {
        showFailure(qtext(f.binding + " " + std::string(cycleName(f.cycle))), f.number, qtext(f.description));
    });
    runner_.setDesignerLoader([this](const std::string& ui) { designer_ = std::make_unique<DesignerForm>(ui, *this); });
    runner_.setControlMaker([this](const FormFile::Line& line) { return makeControl(line); });
    runner_.load(file);
    layOut();
    binder_->displayAll();
    adjustSize();  // sized before it is shown, so showing it changes no constraint
}

FormWindow::~FormWindow() {
    // The binder lets the widgets go before they and the form do.
    delete binder_;
}

Ref<Object> FormWindow::makeControl(const FormFile::Line& line) {
    const std::string& name = line.words[0];
    QWidget* widget = nullptr;
    if (designer_) {
        widget = &designer_->widgetFor(line);
    } else {
        if (line.words.size() < 2) throw FormLoadError(std::string(FormText::NoKind) + name);
        widget = &widgetkinds::make(line.words[1], *this);
        widget->setObjectName(qtext(name));
    }
    WidgetControl& control = binder_->control(widget);
    placed_.push_back(Placed{name, lineText(line, 0), lineText(line, 1), widget, &control});
    return Ref<Object>(objectOf(&control));
}

QString FormWindow::defaultLabel(const Placed& p) const {
    for (const Ref<Binding>& b : form().bindings())
        if (b->control().get() == objectOf(p.control)) return qtext(b->name());
    return qtext(p.name);
}

void FormWindow::layOutControls(QVBoxLayout& page) {
    std::vector<std::pair<QString, QFormLayout*>> sections;  // by group, in order of appearance
    for (Placed& p : placed_) {
        QFormLayout* rows = nullptr;
        for (const auto& [group, layout] : sections)
            if (group == p.group) rows = layout;
        if (!rows) {
            rows = new QFormLayout;
            rows->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
            if (p.group.isEmpty()) {
                page.addLayout(rows);
            } else {
                auto* box = new QGroupBox(p.group, this);
                box->setLayout(rows);
                page.addWidget(box);
            }
            sections.emplace_back(p.group, rows);
        }
        const QString label = p.label.isEmpty() ? defaultLabel(p) : p.label;
        if (p.control->labelsItself()) {
            p.control->setLabel(label);
            rows->setWidget(rows->rowCount(), QFormLayout::FieldRole, p.widget);
        } else {
            rows->addRow(label + qtext(QtText::LabelSuffix), p.widget);
        }
    }
}

void FormWindow::layOut() {
    auto* page = new QVBoxLayout(this);
    // A Designer form comes laid out, with its own labels.
    if (designer_) page->addWidget(&designer_->widget());
    else layOutControls(*page);
    page->addStretch();
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    page->addWidget(rule);
    auto* bottom = new QHBoxLayout;
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    bottom->addWidget(status_, 1);
    replay_->setToolTip(qtext(QtText::ReplayToolTip));
    replay_->setEnabled(!steps_.empty());
    bottom->addWidget(replay_);
    page->addLayout(bottom);
    setMinimumWidth(QtText::MinimumFormWidth);

    replayTimer_->setInterval(QtText::ReplayStepMs);
    QObject::connect(replayTimer_, &QTimer::timeout, this, [this] { replayNext(); });
    QObject::connect(replay_, &QPushButton::clicked, this, [this] {
        nextStep_ = 0;
        replay_->setEnabled(false);
        replayNext();
        replayTimer_->start();
    });
}

WidgetControl* FormWindow::control(std::string_view name) const {
    const Placed* p = find(name);
    return p ? p->control : nullptr;
}

const FormWindow::Placed* FormWindow::find(std::string_view name) const {
    for (const Placed& p : placed_)
        if (p.name == name) return &p;
    return nullptr;
}

QString FormWindow::status() const {
    return status_->text();
}

void FormWindow::showFailure(const QString& what, int32_t number, const QString& description) {
    status_->setText(oneLine(qtext(QtText::LastFailure) + what +
                             qtext(QtText::Failed).arg(qtext(vectors::errorText(number))) +
                             description));
}

void FormWindow::apply(const FormFile::Line& step) {
    try {
        if (step.keyword == FormText::Edit) {
            const Placed* p = find(step.words.front());
            if (!p)
                throw FormLoadError(std::string(FormText::UnknownName) +
                                    std::string(FormText::Control) + " " + step.words.front());
            p->control->Show(step.values.front());
            binder_->store(p->widget);
        } else {
            runner_.perform(step);
        }
    } catch (const AutomationError& e) {
        showFailure(stepTitle(step), e.number(), qtext(e.description()));
    }
}

void FormWindow::replayNext() {
    if (nextStep_ >= steps_.size()) {
        replayTimer_->stop();
        replay_->setText(qtext(QtText::Replay));
        replay_->setEnabled(true);
        return;
    }
    replay_->setText(qtext(QtText::ReplayProgress).arg(nextStep_ + 1).arg(steps_.size()));
    const FormFile::Line& step = steps_[nextStep_++];
    try {
        apply(step);
    } catch (const FormLoadError& e) {
        status_->setText(oneLine(qtext(QtText::LastFailure) + stepTitle(step) +
                                 qtext(QtText::StepSeparator) + QString::fromUtf8(e.what())));
    }
}

QImage FormWindow::snapshot() {
    show();
    QApplication::processEvents();
    // A picture shows the form, not where a user would type next: the window keeps the focus.
    setFocus();
    QApplication::processEvents();
    return grab().toImage();
}

}  // namespace tav
