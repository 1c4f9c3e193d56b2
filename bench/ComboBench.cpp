// The type-list combo glue on an enumeration of 200 items: WakeUp (reading the type
// information, appending every item, loading the combo box) and one display + storage cycle
// (reading the source value, showing its text, mapping the text back to the value).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "direct/GluDrct_TypeListIntoVbCombo.h"
#include "host/controls/ComboBox.h"
#include "host/objects/AutoObject.h"

using namespace tav;

namespace {

constexpr int32_t kItems = 200;
constexpr std::string_view kProperty = "Choice";

Ref<AutoObject> sourceWithEnumeration() {
    Ref<AutoObject> o = makeRef<AutoObject>();
    std::vector<Variant> itemsAndValues;
    for (int32_t i = 0; i < kItems; ++i) {
        itemsAndValues.emplace_back(std::string_view("gf_Choice_Number_" + std::to_string(i)));
        itemsAndValues.push_back(Variant::I4(i));
    }
    o->DefineEnum("Choices", itemsAndValues);
    o->DefineProperty(kProperty, "Choices", Variant::I4(0));
    return o;
}

Ref<GluDrct_TypeListIntoVbCombo> configuredGlue() {
    Ref<GluDrct_TypeListIntoVbCombo> g = makeRef<GluDrct_TypeListIntoVbCombo>();
    g->InitProperties();
    g->SetRemoveEnumPrefix("gf_");
    g->SetReplaceUnderscores(" ");
    g->SetSuppressedEnumValueS("3|77|150");
    return g;
}

void BM_WakeUp200(benchmark::State& state) {
    const Ref<AutoObject> src = sourceWithEnumeration();
    const Ref<GluDrct_TypeListIntoVbCombo> g = configuredGlue();
    const Ref<ComboBox> combo = makeRef<ComboBox>();
    for (auto _ : state) {
        g->WakeUp(src, kProperty, combo);
        benchmark::DoNotOptimize(combo->ListCount());
    }
    if (g->listType() != GluDrct_TypeListIntoVbCombo::EnumerationType) state.SkipWithError("no enumeration list");
}
BENCHMARK(BM_WakeUp200)->Unit(benchmark::kMicrosecond);

// One display cycle (the glue reads the source value and the combo box shows the text) and
// one storage cycle of the text shown, on a normal item.
void BM_DisplayAndStore200(benchmark::State& state) {
    const Ref<AutoObject> src = sourceWithEnumeration();
    const Ref<GluDrct_TypeListIntoVbCombo> g = configuredGlue();
    const Ref<ComboBox> combo = makeRef<ComboBox>();
    g->WakeUp(src, kProperty, combo);
    for (auto _ : state) {
        Variant shown = missingArg();
        g->GetDisplayValue(shown);
        combo->Show(shown);
        Variant stored = combo->CurrentValue();
        g->GetStorageValue(stored);
        benchmark::DoNotOptimize(stored);
    }
}
BENCHMARK(BM_DisplayAndStore200);

}  // namespace
