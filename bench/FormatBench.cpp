// Format: the display glue formats every value on every refresh, so the common formats must be
// cheap — a double with a fixed-decimal layout, a date with a named date format, a cold format.
#include <benchmark/benchmark.h>

#include <string>

#include "automation/format/Format.h"

namespace {

using tav::Format;
using tav::Variant;

void BM_FormatDoubleFixedDecimals(benchmark::State& state) {
    const Variant v = Variant::R8(1234567.891011);
    for (auto _ : state) benchmark::DoNotOptimize(Format(v, "#,##0.000000"));
}
BENCHMARK(BM_FormatDoubleFixedDecimals);

void BM_FormatDoubleScientific(benchmark::State& state) {
    const Variant v = Variant::R8(0.000123456);
    for (auto _ : state) benchmark::DoNotOptimize(Format(v, "0.0##e-0"));
}
BENCHMARK(BM_FormatDoubleScientific);

void BM_FormatDoubleGeneralNumber(benchmark::State& state) {
    const Variant v = Variant::R8(-1234.5678);
    for (auto _ : state) benchmark::DoNotOptimize(Format(v, "General Number"));
}
BENCHMARK(BM_FormatDoubleGeneralNumber);

void BM_FormatDateLongDate(benchmark::State& state) {
    const Variant v = Variant::Date(45292.6875);
    for (auto _ : state) benchmark::DoNotOptimize(Format(v, "Long Date"));
}
BENCHMARK(BM_FormatDateLongDate);

void BM_FormatDateCustom(benchmark::State& state) {
    const Variant v = Variant::Date(45292.6875);
    for (auto _ : state) benchmark::DoNotOptimize(Format(v, "yyyy-mm-dd hh:nn:ss"));
}
BENCHMARK(BM_FormatDateCustom);

void BM_FormatText(benchmark::State& state) {
    const Variant v("5551234567");
    for (auto _ : state) benchmark::DoNotOptimize(Format(v, "(@@@) @@@-@@@@"));
}
BENCHMARK(BM_FormatText);

// Sixteen formats in turn: more than the per-thread cache keeps, so every call compiles.
void BM_FormatUncachedFormats(benchmark::State& state) {
    std::string formats[16];
    for (int i = 0; i < 16; ++i) formats[i] = "#,##0." + std::string(size_t(i + 1), '0');
    const Variant v = Variant::R8(1234.5);
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(Format(v, formats[i++ & 15]));
}
BENCHMARK(BM_FormatUncachedFormats);

}  // namespace
