// Inputs of hostile size read in linear time, and hostile patterns stopped early:
//  - a form file of 100 000 part lines, each with a bag line: read, and read and loaded;
//  - a registry file of 100 000 keys, each with a value: read;
//  - a "=~" expectation that backtracks without end, (a|a)*b against 28 a's: the time until
//    the matcher's limit stops it; beside it, .* against a line of 50 000 characters.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "automation/server/FileRegistry.h"
#include "host/forms/FormFile.h"
#include "host/forms/FormRunner.h"
#include "host/script/ScriptPattern.h"

namespace tav {
namespace {

constexpr int kLines = 100'000;

std::string formOfParts(int n) {
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "part p" + std::to_string(i) + " SCTAVParts.GluPart_ScaleProp\n    ScaleByCoef = R8:" +
                std::to_string(i + 1) + "\n";
    return text;
}

void formRead(benchmark::State& state) {
    const std::string text = formOfParts(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(FormFile::parse(text, "parts.form"));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void formReadAndLoad(benchmark::State& state) {
    const std::string text = formOfParts(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::ostringstream out;
        FormRunner runner(out);
        runner.load(FormFile::parse(text, "parts.form"));
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void registryRead(benchmark::State& state) {
    std::string text = "# TAVParts registry\n";
    for (int64_t i = 0; i < state.range(0); ++i)
        text += "[CLSID\\{" + std::to_string(i) + "}\\InprocServer32]\n@ = \"/usr/lib/libTAVParts.so\"\n";
    for (auto _ : state) benchmark::DoNotOptimize(FileRegistry::fromText(text, "registry"));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void patternStopped(benchmark::State& state) {
    const ScriptPattern pattern("Str:\"(a|a)*b\"");
    const std::string line = "Str:\"" + std::string(28, 'a') + "\"";
    for (auto _ : state) benchmark::DoNotOptimize(pattern.matchWhole(line));
}

void patternLongLine(benchmark::State& state) {
    const ScriptPattern pattern("Str:\".*\"");
    const std::string line = "Str:\"" + std::string(50'000, 'a') + "\"";
    for (auto _ : state) benchmark::DoNotOptimize(pattern.matchWhole(line));
}

}  // namespace
}  // namespace tav

BENCHMARK(tav::formRead)->Arg(10'000)->Arg(tav::kLines)->Unit(benchmark::kMillisecond);
BENCHMARK(tav::formReadAndLoad)->Arg(10'000)->Arg(tav::kLines)->Unit(benchmark::kMillisecond);
BENCHMARK(tav::registryRead)->Arg(10'000)->Arg(tav::kLines)->Unit(benchmark::kMillisecond);
BENCHMARK(tav::patternStopped)->Unit(benchmark::kMillisecond);
BENCHMARK(tav::patternLongLine)->Unit(benchmark::kMicrosecond);
