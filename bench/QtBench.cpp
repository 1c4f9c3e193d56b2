// The Qt front end: a display cycle into a real QLineEdit (the widget's update included), beside
// the same cycle into the host's stand-in text box, and opening the typical form in a window;
// an application's binder against what it would write by hand or take from Qt: a display cycle
// through the scale and formatting glues against a plain setText of the same text and against
// QDataWidgetMapper, a program change of a QObject property against a direct signal-slot
// connection, and opening a Designer form of 200 bound controls.
// Runs under Qt's offscreen platform unless QT_QPA_PLATFORM names another.
//
//   build/release/bench/QtBench --benchmark_enable_random_interleaving=true
//   --benchmark_repetitions=10
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QDataWidgetMapper>
#include <QFormLayout>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QUiLoader>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "glues/GluPart_Formating.h"
#include "glues/GluPart_ScaleProp.h"
#include "host/controls/TextBox.h"
#include "host/framework/Form.h"
#include "host/objects/AutoObject.h"
#include "qt/FormWindow.h"
#include "qt/LineEditControl.h"
#include "qt/WidgetBinder.h"
#include "sources/SrcPart_AxCls.h"
#include "sources/SrcPart_iDisp.h"

namespace tav {
namespace {

// Two objects of different lengths shown in turn in one control through SrcPart_iDisp and
// GluPart_ScaleProp, so that every display cycle changes what the control shows.
struct Alternating {
    Ref<Form> form = makeRef<Form>();
    Binding* bindings[2] = {};

    explicit Alternating(const Ref<Object>& control) {
        const double lengths[] = {2.5, 4.0};
        for (int i = 0; i < 2; ++i) {
            Ref<AutoObject> object = makeRef<AutoObject>();
            object->DefineProperty("Length", "R8", Variant::R8(lengths[i]));
            Ref<SrcPart_iDisp> source = makeRef<SrcPart_iDisp>();
            Ref<GluPart_ScaleProp> scale = makeRef<GluPart_ScaleProp>();
            scale->InitProperties();
            scale->SetScaleByCoef(1000);
            form->setSource(source, object);
            const Ref<Object> glues[] = {scale};
            bindings[i] = &form->addBinding(i ? "b" : "a", source, "Length", control, glues);
        }
    }
    void run(benchmark::State& state) {
        size_t n = 0;
        for (auto _ : state) benchmark::DoNotOptimize(form->display(*bindings[n++ & 1]).outcome);
    }
};

// A line edit in a shown window, as on a form (a shown widget schedules its repaint on every
// change), without the focus: the field a program updates is seldom the one the user types in.
struct ShownLineEdit {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    ShownLineEdit() {
        window.show();
        QApplication::processEvents();
        window.setFocus();
    }
};

void BM_DisplayCycle_QLineEdit(benchmark::State& state) {
    ShownLineEdit shown;
    Alternating a(makeRef<LineEditControl>(*shown.edit));
    a.run(state);
    const QString text = shown.edit->text();
    if (text != "2500" && text != "4000") state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_DisplayCycle_QLineEdit);

// A redisplay that finds the text shown already (after a storage, or a change of another
// property) leaves the line edit alone.
void BM_DisplayCycle_QLineEdit_SameText(benchmark::State& state) {
    ShownLineEdit shown;
    Alternating a(makeRef<LineEditControl>(*shown.edit));
    for (auto _ : state) benchmark::DoNotOptimize(a.form->display(*a.bindings[0]).outcome);
    if (shown.edit->text() != "2500") state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_DisplayCycle_QLineEdit_SameText);

// The peer: the same cycle into the host's stand-in text box.
void BM_DisplayCycle_StandInTextBox(benchmark::State& state) {
    Ref<TextBox> box = makeRef<TextBox>();
    Alternating a(box);
    a.run(state);
    if (box->text() != "2500" && box->text() != "4000") state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_DisplayCycle_StandInTextBox);

// Opening the typical form: read, build the form and its widgets, lay them out, display every
// binding, show the window and let it process what showing posts.
void BM_OpenTypicalForm(benchmark::State& state) {
    const std::string path = std::string(TAV_EXAMPLES) + "/forms/typical.form";
    std::ifstream in(path);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (auto _ : state) {
        FormWindow window(FormFile::parse(text, path));
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.status());
    }
}
BENCHMARK(BM_OpenTypicalForm)->Unit(benchmark::kMillisecond);

// An application's data object: a length in metres that announces its changes.
class BenchSample : public QObject {
    Q_OBJECT
    Q_PROPERTY(double length READ length WRITE setLength NOTIFY lengthChanged)

public:
    double length() const { return length_; }
    void setLength(double metres) {
        if (metres == length_) return;
        length_ = metres;
        Q_EMIT lengthChanged(metres);
    }

Q_SIGNALS:
    void lengthChanged(double metres);

private:
    double length_ = 0;
};

// Two lengths shown in turn, so that every cycle changes the text; millimetres, one decimal.
constexpr double kLengths[] = {2.5, 4.0};
constexpr double kMillimetres = 1000;
constexpr char kOneDecimal[] = "0.0";
QString byHand(double metres) { return QString::number(metres * kMillimetres, 'f', 1); }

// The glues of a length binding: metres to millimetres, formatted with one decimal.
std::vector<Ref<Object>> lengthGlues() {
    Ref<GluPart_ScaleProp> scale = makeRef<GluPart_ScaleProp>();
    scale->SetScaleByCoef(kMillimetres);
    Ref<GluPart_Formating> format = makeRef<GluPart_Formating>();
    format->SetFormatString(kOneDecimal);
    return {scale, format};
}

bool showsALength(const QLineEdit& edit) { return edit.text() == byHand(kLengths[0]) || edit.text() == byHand(kLengths[1]); }

// The binder's display cycle from two QObjects in turn (SrcPart_AxCls) through the glues.
void BM_Display_Binder_ScaleFormat(benchmark::State& state) {
    ShownLineEdit shown;
    BenchSample samples[2];
    WidgetBinder binder(&shown.window);
    Binding* bindings[2];
    for (int i = 0; i < 2; ++i) {
        samples[i].setLength(kLengths[i]);
        Ref<SrcPart_AxCls> source = makeRef<SrcPart_AxCls>();
        binder.setSource(source, &samples[i]);
        bindings[i] = &binder.bind(shown.edit, source, "length", lengthGlues());
    }
    size_t n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(binder.form().display(*bindings[n++ & 1]).outcome);
    if (!showsALength(*shown.edit)) state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_Display_Binder_ScaleFormat);

// The same text put in by hand.
void BM_Display_PlainSetText(benchmark::State& state) {
    ShownLineEdit shown;
    BenchSample samples[2];
    for (int i = 0; i < 2; ++i) samples[i].setLength(kLengths[i]);
    size_t n = 0;
    for (auto _ : state) shown.edit->setText(byHand(samples[n++ & 1].length()));
    if (!showsALength(*shown.edit)) state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_Display_PlainSetText);

// Qt's own mapper of model rows to widgets, its delegate formatting the same text.
class MillimetresDelegate : public QStyledItemDelegate {
public:
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QLineEdit*>(editor)->setText(byHand(index.data().toDouble()));
    }
};

void BM_Display_DataWidgetMapper(benchmark::State& state) {
    ShownLineEdit shown;
    QStandardItemModel model(2, 1);
    for (int i = 0; i < 2; ++i) model.setData(model.index(i, 0), kLengths[i]);
    QDataWidgetMapper mapper;
    MillimetresDelegate delegate;
    mapper.setModel(&model);
    mapper.setItemDelegate(&delegate);
    mapper.addMapping(shown.edit, 0);
    size_t n = 0;
    for (auto _ : state) mapper.setCurrentIndex(static_cast<int>(n++ & 1));
    if (!showsALength(*shown.edit)) state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_Display_DataWidgetMapper);

// A program change of the QObject's property, shown by the binder through the glues.
void BM_ProgramChange_Binder(benchmark::State& state) {
    ShownLineEdit shown;
    BenchSample sample;
    WidgetBinder binder(&shown.window);
    Ref<SrcPart_AxCls> source = makeRef<SrcPart_AxCls>();
    binder.setSource(source, &sample);
    binder.bind(shown.edit, source, "length", lengthGlues());
    size_t n = 0;
    for (auto _ : state) sample.setLength(kLengths[n++ & 1]);
    if (!showsALength(*shown.edit) || !binder.form().takeFailures().empty()) state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_ProgramChange_Binder);

// The same change shown by a signal-slot connection written by hand.
void BM_ProgramChange_SignalSlot(benchmark::State& state) {
    ShownLineEdit shown;
    BenchSample sample;
    QLineEdit* edit = shown.edit;
    QObject::connect(&sample, &BenchSample::lengthChanged, edit, [edit](double metres) { edit->setText(byHand(metres)); });
    size_t n = 0;
    for (auto _ : state) sample.setLength(kLengths[n++ & 1]);
    if (!showsALength(*shown.edit)) state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_ProgramChange_SignalSlot);

// A Designer form of 200 labelled line edits, each bound to a property of its own of one
// QObject (dynamic properties) through the glues: loading the .ui, binding and displaying
// every control, showing the window and letting it process what showing posts.
constexpr int kDesignerControls = 200;

QByteArray designerForm() {
    QByteArray ui = R"(<ui version="4.0"><class>Big</class><widget class="QWidget" name="Big">)"
                    R"(<layout class="QFormLayout" name="rows">)";
    for (int i = 0; i < kDesignerControls; ++i) {
        const QByteArray n = QByteArray::number(i);
        ui += R"(<item row=")" + n + R"(" column="0"><widget class="QLabel" name="label)" + n +
              R"("><property name="text"><string>Length )" + n + R"(:</string></property></widget></item>)";
        ui += R"(<item row=")" + n + R"(" column="1"><widget class="QLineEdit" name="edit)" + n + R"("/></item>)";
    }
    return ui + "</layout></widget></ui>";
}

void BM_OpenDesignerForm200(benchmark::State& state) {
    QByteArray ui = designerForm();
    QObject sample;
    for (int i = 0; i < kDesignerControls; ++i) sample.setProperty(("length" + std::to_string(i)).c_str(), 0.001 * i);
    for (auto _ : state) {
        QBuffer file(&ui);
        QUiLoader loader;
        std::unique_ptr<QWidget> window(loader.load(&file));
        WidgetBinder binder(window.get());
        Ref<SrcPart_AxCls> source = makeRef<SrcPart_AxCls>();
        binder.setSource(source, &sample);
        for (int i = 0; i < kDesignerControls; ++i)
            binder.bind("edit" + std::to_string(i), source, "length" + std::to_string(i), lengthGlues());
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->findChild<QLineEdit*>("edit199")->text());
    }
}
BENCHMARK(BM_OpenDesignerForm200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tav

#include "QtBench.moc"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
