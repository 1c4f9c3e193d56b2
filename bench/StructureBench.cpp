// Real-sized structures in the model, against gemmi measured in the same program. The workload:
// a protein-like structure of 1,000,000 atoms (support/SyntheticStructure.h) written as PDB
// (hybrid-36 serials) and as mmCIF into a temporary folder when the program starts.
//
//   LoadPdb, LoadMmcif        Host.Model.LoadStructure of the file: read, parsed by gemmi
//                             (mmCIF) or by gemmi's column rules (PDB), filled into the columns
//   GemmiReadPdb/Mmcif        gemmi's own reading of the same file into its Structure
//   ModelMemory               the heap the loaded model takes per atom (glibc's mallinfo2 before
//                             and after; counter bytes_per_atom), with every listed property
//   SelectAll                 Select("*"): a scope of every atom
//   Rebuild4                  the in-scope part gathering that scope with four bound properties
//                             (BFactor, Occupancy, Element, Charge)
//   StoreBFactor              one B-factor stored into every atom: conversion, validation, the
//                             undo record of every old value, the store and the re-read
//   SavePatchedPdb/Mmcif      SaveStructure after every atom's B-factor was edited: the file read
//                             again and checked, every atom record patched, written beside and
//                             renamed
//   GemmiWritePdb/Mmcif       gemmi writing its Structure as a whole file
// Each runs once (the sizes make one run a measurement).
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "host/framework/HostClasses.h"
#include "host/model/Container.h"
#include "host/model/Model.h"
#include "host/model/Scope.h"
#include "host/structure/gemmi/GemmiPeer.h"
#include "scope/SrcPart_InScopeIsdObjS.h"
#include "support/HeapInUse.h"
#include "support/SyntheticStructure.h"

namespace tav {
namespace {

using hostmodel::Model;

constexpr size_t kAtoms = 1'000'000;
const char* const kBound[] = {"BFactor", "Occupancy", "Element", "Charge"};
constexpr double kEdited = 77.25;

// The generated files, made once and removed when the program ends.
struct Files {
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("tav-structure-bench-" + std::to_string(::getpid()));
    std::string pdb = (dir / "synthetic.pdb").string();
    std::string cif = (dir / "synthetic.cif").string();
    Files() {
        std::filesystem::create_directories(dir);
        bench::writeSyntheticPdb(pdb, kAtoms);
        bench::writeSyntheticMmcif(cif, kAtoms);
    }
    ~Files() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::string out(const char* name) const { return (dir / name).string(); }
};

const Files& files() {
    static const Files f;
    return f;
}

void check(benchmark::State& state, bool ok, const char* what) {
    if (!ok) state.SkipWithError(what);
}

void LoadPdb(benchmark::State& state) {
    files();
    int32_t atoms = 0;
    for (auto _ : state) atoms = makeRef<Model>()->LoadStructure(files().pdb);
    check(state, atoms == static_cast<int32_t>(kAtoms), "not every atom was read");
}
BENCHMARK(LoadPdb)->Iterations(1)->Unit(benchmark::kMillisecond);

void GemmiReadPdb(benchmark::State& state) {
    size_t atoms = 0;
    for (auto _ : state) atoms = structure::GemmiPeer().read(files().pdb);
    check(state, atoms == kAtoms, "gemmi did not read every atom");
}
BENCHMARK(GemmiReadPdb)->Iterations(1)->Unit(benchmark::kMillisecond);

void LoadMmcif(benchmark::State& state) {
    int32_t atoms = 0;
    for (auto _ : state) atoms = makeRef<Model>()->LoadStructure(files().cif);
    check(state, atoms == static_cast<int32_t>(kAtoms), "not every atom was read");
}
BENCHMARK(LoadMmcif)->Iterations(1)->Unit(benchmark::kMillisecond);

void GemmiReadMmcif(benchmark::State& state) {
    size_t atoms = 0;
    for (auto _ : state) atoms = structure::GemmiPeer().read(files().cif);
    check(state, atoms == kAtoms, "gemmi did not read every atom");
}
BENCHMARK(GemmiReadMmcif)->Iterations(1)->Unit(benchmark::kMillisecond);

void ModelMemory(benchmark::State& state) {
    double perAtom = 0, counted = 0;
    for (auto _ : state) {
        const size_t before = bench::heapInUse();
        const auto m = makeRef<Model>();
        m->LoadStructure(files().pdb);
        malloc_trim(0);
        perAtom = static_cast<double>(bench::heapInUse() - before) / kAtoms;
        counted = static_cast<double>(m->bytes()) / kAtoms;
    }
    state.counters["bytes_per_atom"] = perAtom;
    state.counters["counted_bytes_per_atom"] = counted;
}
BENCHMARK(ModelMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// The loaded structure, every atom selected, and a panel of four bound properties gathering at
// once.
struct Panel {
    Ref<Model> model = makeRef<Model>();
    Ref<hostmodel::Container> host = makeRef<hostmodel::Container>();
    Ref<SrcPart_InScopeIsdObjS> part = makeRef<SrcPart_InScopeIsdObjS>();
    Ref<hostmodel::Scope> all;

    explicit Panel(const std::string& file) {
        hostclasses::ensureRegistered();
        model->LoadStructure(file);
        all = model->Select("*");
        part->InitProperties();
        part->SetProcessScopeDelay(false);
        for (const char* p : kBound)
            part->PropertiesFunnel()->AddPropertyFunnel(
                p, p, funneledPropertyResolveBy::ScalarCompareAll, "#VT_NULL#");
        host->scopeManager().SelectScope(all);
        part->SetSourceObject(host);
    }
};

Panel& pdbPanel() {
    static Panel panel(files().pdb);
    return panel;
}

void SelectAll(benchmark::State& state) {
    Model& m = *pdbPanel().model;
    int32_t n = 0;
    for (auto _ : state) n = m.Select("*")->count();
    check(state, n == static_cast<int32_t>(kAtoms), "not every atom was selected");
}
BENCHMARK(SelectAll)->Iterations(1)->Unit(benchmark::kMillisecond);

void Rebuild4(benchmark::State& state) {
    Panel& p = pdbPanel();
    for (auto _ : state) p.host->scopeManager().SelectScope(p.all);
    check(state, p.part->Value("_CountItems").i4() == static_cast<int32_t>(kAtoms),
          "the atoms were not read");
}
BENCHMARK(Rebuild4)->Iterations(1)->Unit(benchmark::kMillisecond);

void StoreBFactor(benchmark::State& state) {
    Panel& p = pdbPanel();
    // A value no atom has (the generator's lie between 10 and 60).
    for (auto _ : state) p.part->LetValue("BFactor", Variant::R8(kEdited));
    const Variant shown = p.part->Value("BFactor");
    check(state,
          shown.type() == VarType::R8 && shown.r8() == kEdited &&
              p.model->ChangedAtoms() == static_cast<int32_t>(kAtoms),
          "the B-factors were not stored");
}
BENCHMARK(StoreBFactor)->Iterations(1)->Unit(benchmark::kMillisecond);

void SavePatchedPdb(benchmark::State& state) {
    Panel& p = pdbPanel();
    p.part->LetValue("BFactor", Variant::R8(kEdited));
    for (auto _ : state) p.model->SaveStructure(files().out("patched.pdb"));
    check(state,
          std::filesystem::file_size(files().out("patched.pdb")) ==
              std::filesystem::file_size(files().pdb),
          "the patched file differs in size");
}
BENCHMARK(SavePatchedPdb)->Iterations(1)->Unit(benchmark::kMillisecond);

void GemmiWritePdb(benchmark::State& state) {
    structure::GemmiPeer peer;
    peer.read(files().pdb);
    for (auto _ : state) peer.writePdb(files().out("gemmi.pdb"));
}
BENCHMARK(GemmiWritePdb)->Iterations(1)->Unit(benchmark::kMillisecond);

void SavePatchedMmcif(benchmark::State& state) {
    Panel p(files().cif);
    p.part->LetValue("BFactor", Variant::R8(kEdited));
    for (auto _ : state) p.model->SaveStructure(files().out("patched.cif"));
    const auto again = makeRef<Model>();
    check(state, again->LoadStructure(files().out("patched.cif")) == static_cast<int32_t>(kAtoms),
          "the patched file does not read back");
}
BENCHMARK(SavePatchedMmcif)->Iterations(1)->Unit(benchmark::kMillisecond);

void GemmiWriteMmcif(benchmark::State& state) {
    structure::GemmiPeer peer;
    peer.read(files().cif);
    for (auto _ : state) peer.writeMmcif(files().out("gemmi.cif"));
}
BENCHMARK(GemmiWriteMmcif)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tav
