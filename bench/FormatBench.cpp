// Format: the display glue formats every value on every refresh, so the common formats must be
// cheap — a double with a fixed-decimal layout, a date with a named date format, a cold format.
#include <benchmark/benchmark.h>

#include <string>

#include "automation/format/Format.h"
#include "automation/locale/Locale.h"

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

// The named formats of the formatting glue in the thread's locale: en-US (built in) and de-DE
// (from the regional data).
void BM_FormatDateLongDate(benchmark::State& state, const char* locale) {
    const tav::LocaleScope scope(tav::Locale::named(locale));
    const Variant v = Variant::Date(45292.6875);
    for (auto _ : state) benchmark::DoNotOptimize(Format(v, "Long Date"));
}
BENCHMARK_CAPTURE(BM_FormatDateLongDate, en_US, "en-US");
BENCHMARK_CAPTURE(BM_FormatDateLongDate, de_DE, "de-DE");

void BM_FormatDoubleStandard(benchmark::State& state, const char* locale) {
    const tav::LocaleScope scope(tav::Locale::named(locale));
    const Variant v = Variant::R8(-1234567.891);
    for (auto _ : state) benchmark::DoNotOptimize(Format(v, "Standard"));
}
BENCHMARK_CAPTURE(BM_FormatDoubleStandard, en_US, "en-US");
BENCHMARK_CAPTURE(BM_FormatDoubleStandard, de_DE, "de-DE");

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
