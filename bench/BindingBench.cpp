// A binding's cycles end to end: a text box bound to a Double property of an automation object
// through the dispatch source part and a scale glue. Display: read by name, multiply, show as
// text. Storage: the text back to a number, divide, write by name; with the notifier attached
// the write is reported and the binding redisplayed after the cycle, as on a real form.
#include <benchmark/benchmark.h>

#include "automation/conversions/Conversions.h"
#include "automation/objects/Invoke.h"
#include "glues/GluPart_ScaleProp.h"
#include "host/controls/TextBox.h"
#include "host/framework/Form.h"
#include "host/objects/AutoObject.h"
#include "sources/SrcPart_iDisp.h"

namespace tav {
namespace {

struct TypicalBinding {
    Ref<Form> form = makeRef<Form>();
    Ref<AutoObject> object = makeRef<AutoObject>();
    Ref<SrcPart_iDisp> source = makeRef<SrcPart_iDisp>();
    Ref<GluPart_ScaleProp> scale = makeRef<GluPart_ScaleProp>();
    Ref<TextBox> box = makeRef<TextBox>();
    Binding* binding = nullptr;

    explicit TypicalBinding(bool notifying) {
        object->DefineProperty("Length", "R8", Variant::R8(2.5));
        scale->InitProperties();
        scale->SetScaleByCoef(1000);
        form->setSource(source, object);
        const Ref<Object> glues[] = {scale};
        binding = &form->addBinding("len", source, "Length", box, glues);
        if (!notifying) source->SetNotifier({});
    }
};

void BM_DisplayCycle(benchmark::State& state) {
    TypicalBinding t(true);
    for (auto _ : state) benchmark::DoNotOptimize(t.form->display(*t.binding).outcome);
    if (t.box->text() != "2500") state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_DisplayCycle);

void BM_StorageCycle(benchmark::State& state) {
    TypicalBinding t(false);
    t.box->SetValue(Variant("3000"));
    for (auto _ : state) benchmark::DoNotOptimize(t.form->store(*t.binding).outcome);
    if (CDbl(invoke(*t.object, "Length", InvokeKind::PropertyGet)) != 3) state.SkipWithError("wrong value stored");
}
BENCHMARK(BM_StorageCycle);

// The storage cycle as a form runs it: the write is reported and the binding shown again.
void BM_StorageCycleAndRedisplay(benchmark::State& state) {
    TypicalBinding t(true);
    t.box->SetValue(Variant("3000"));
    for (auto _ : state) benchmark::DoNotOptimize(t.form->store(*t.binding).outcome);
    if (t.box->text() != "3000") state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_StorageCycleAndRedisplay);

}  // namespace
}  // namespace tav
