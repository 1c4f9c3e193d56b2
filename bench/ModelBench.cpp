// Editing a million atoms at once through the in-scope objects source part. The workload: a
// model of 1,000,000 atoms, all selected, with five properties (Charge, Mass and Occupancy as
// doubles, Valence as a long, Element as text); every atom agrees, so each bound property is
// read and funneled over all of them.
//
//   Rebuild/props:N   a selection change rebuilt at once with N bound properties: the document
//                     check, crack and class filter, one read per property over the whole
//                     scope, and every value funneled (N = 1..5; the step from N to N+1 is the
//                     cost of one more bound property)
//   StoreAll          one edit stored into every atom: conversion, lock check, validation, the
//                     undoable operation with each atom's old value, the store and the re-read
//                     of the one bound property
//   Undo              that operation undone (every atom gets its old value back)
//   ModelMemory       the heap the model takes per atom (glibc's mallinfo2: in-use chunks plus
//                     mapped blocks, before and after building it), in the counter bytes_per_atom
//   FormItems/N       a form file with a model of N item lines (each an atom with a charge) and a
//                     container selecting two of them, read and loaded (tavparts run's load):
//                     linear in N
#include <benchmark/benchmark.h>


#include <memory>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "host/forms/FormFile.h"
#include "host/forms/FormRunner.h"
#include "host/framework/HostClasses.h"
#include "host/model/Container.h"
#include "host/model/Model.h"
#include "host/model/Schema.h"
#include "host/model/Scope.h"
#include "scope/SrcPart_InScopeIsdObjS.h"
#include "support/HeapInUse.h"

namespace tav {
namespace {

using namespace hostmodel;

constexpr uint32_t kAtoms = 1'000'000;
const char* const kProperties[] = {"Charge", "Mass", "Occupancy", "Valence", "Element"};
constexpr int32_t kDoubleType = 3, kLongType = 0, kTextType = 2;

void declareProperties() {
    const Ref<Schema> schema = makeRef<Schema>();
    for (const char* name : {"Charge", "Mass", "Occupancy"})
        schema->DefineProperty(name, kDoubleType, 0, false);
    schema->DefineProperty("Valence", kLongType, 0, false);
    schema->DefineProperty("Element", kTextType, 0, false);
}

// A model of kAtoms atoms with the five properties, and a scope of all of them.
struct MillionAtoms {
    Ref<Model> model = makeRef<Model>();
    uint32_t atom = 0;
    std::shared_ptr<std::vector<uint32_t>> rows = std::make_shared<std::vector<uint32_t>>(kAtoms);

    MillionAtoms() {
        atom = model->classIdOf("Atom");
        for (uint32_t i = 0; i < kAtoms; ++i) model->addObject(atom, "C" + std::to_string(i));
        std::iota(rows->begin(), rows->end(), 0u);
        const auto all = std::const_pointer_cast<const std::vector<uint32_t>>(rows);
        model->store(atom, all, "Charge", Variant::R8(0.1));
        model->store(atom, all, "Mass", Variant::R8(12.011));
        model->store(atom, all, "Occupancy", Variant::R8(1));
        model->store(atom, all, "Valence", Variant::I4(4));
        model->store(atom, all, "Element", Variant("C"));
    }
    Ref<Scope> selectAll() const {
        Ref<Scope> s = makeRef<Scope>();
        s->addRows(model, atom, rows);
        return s;
    }
};

// The part, attached to a container whose selection is every atom, rebuilding at once.
struct BoundForm {
    MillionAtoms atoms;
    Ref<Container> container = makeRef<Container>();
    Ref<SrcPart_InScopeIsdObjS> part = makeRef<SrcPart_InScopeIsdObjS>();
    Ref<Scope> selection = atoms.selectAll();

    explicit BoundForm(int properties) {
        hostclasses::ensureRegistered();
        declareProperties();
        part->InitProperties();
        part->SetProcessScopeDelay(false);
        for (int i = 0; i < properties; ++i)
            part->PropertiesFunnel()->AddPropertyFunnel(kProperties[i], kProperties[i],
                                                        funneledPropertyResolveBy::ScalarCompareAll,
                                                        "#VT_NULL#");
        container->scopeManager().SelectScope(selection);
        part->SetSourceObject(container);
    }
    bool shows(std::string_view property, double expected) {
        const Variant v = part->Value(property);
        return v.type() == VarType::R8 && v.r8() == expected;
    }
};

void Rebuild(benchmark::State& state) {
    BoundForm form(static_cast<int>(state.range(0)));
    for (auto _ : state) form.container->scopeManager().SelectScope(form.selection);
    if (!form.shows("Charge", 0.1) ||
        form.part->Value("_CountItems").i4() != static_cast<int32_t>(kAtoms))
        state.SkipWithError("the atoms were not read");
}
BENCHMARK(Rebuild)->ArgName("props")->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

void StoreAll(benchmark::State& state) {
    BoundForm form(1);
    double value = 0;
    for (auto _ : state) {
        value += 0.5;
        form.part->LetValue("Charge", Variant::R8(value));
        state.PauseTiming();
        form.container->operationManager().Undo();  // keeps one record alive, not one per run
        state.ResumeTiming();
    }
    form.part->LetValue("Charge", Variant::R8(7.5));
    if (!form.shows("Charge", 7.5)) state.SkipWithError("the edit was not stored");
}
BENCHMARK(StoreAll)->Unit(benchmark::kMillisecond);

void Undo(benchmark::State& state) {
    BoundForm form(1);
    form.part->LetValue("Charge", Variant::R8(7.5));
    OperationManager& om = form.container->operationManager();
    for (auto _ : state) {
        om.Undo();
        state.PauseTiming();
        om.Redo();
        state.ResumeTiming();
    }
    om.Undo();
    form.container->scopeManager().SelectScope(form.selection);
    if (!form.shows("Charge", 0.1)) state.SkipWithError("undo did not restore the atoms");
}
BENCHMARK(Undo)->Unit(benchmark::kMillisecond);

void ModelMemory(benchmark::State& state) {
    double perAtom = 0, counted = 0;
    for (auto _ : state) {
        const size_t before = bench::heapInUse();
        auto atoms = std::make_unique<MillionAtoms>();
        atoms->rows.reset();  // the selection is not the model's
        perAtom = static_cast<double>(bench::heapInUse() - before) / kAtoms;
        counted = static_cast<double>(atoms->model->bytes()) / kAtoms;
    }
    state.counters["bytes_per_atom"] = perAtom;
    state.counters["counted_bytes_per_atom"] = counted;
}
BENCHMARK(ModelMemory)->Iterations(3)->Unit(benchmark::kMillisecond);

void FormItems(benchmark::State& state) {
    const auto items = static_cast<size_t>(state.range(0));
    std::string text = "schema Charge I4:3\nmodel m\n    columns Charge\n";
    for (size_t i = 0; i < items; ++i) text += "    item a" + std::to_string(i) + " Atom R8:0.1\n";
    text += "container host a0 a" + std::to_string(items - 1) + "\n";
    for (auto _ : state) {
        std::ostringstream out;
        FormRunner runner(out);
        runner.load(FormFile::parse(text, "items.form"));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(items));
}
BENCHMARK(FormItems)->Arg(10'000)->Arg(100'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tav
