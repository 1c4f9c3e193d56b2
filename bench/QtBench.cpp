// The Qt front end: a display cycle into a real QLineEdit (the widget's update included), beside
// the same cycle into the host's stand-in text box, and opening the typical form in a window.
// Runs under Qt's offscreen platform unless QT_QPA_PLATFORM names another.
//
//   build/release/bench/QtBench --benchmark_enable_random_interleaving=true
//   --benchmark_repetitions=10
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <fstream>
#include <iterator>

#include "glues/GluPart_ScaleProp.h"
#include "host/controls/TextBox.h"
#include "host/framework/Form.h"
#include "host/objects/AutoObject.h"
#include "qt/FormWindow.h"
#include "qt/LineEditControl.h"
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

}  // namespace
}  // namespace tav

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
