// The conditional scientific text: the formatting glue's default format, computed for every
// value a bound text box shows on every refresh.
#include <benchmark/benchmark.h>

#include "glues/CondScientificFormat.h"

namespace {

using tav::Variant;
using tav::CondScientificFormat::Text;

// A moderate magnitude: formatted twice (scientific to find the exponent, then plain).
void BM_CondScientificPlain(benchmark::State& state) {
    const Variant v = Variant::R8(12.3456);
    for (auto _ : state) benchmark::DoNotOptimize(Text(v));
}
BENCHMARK(BM_CondScientificPlain);

// A large magnitude: the scientific text is the answer.
void BM_CondScientificLarge(benchmark::State& state) {
    const Variant v = Variant::R8(123456789.0);
    for (auto _ : state) benchmark::DoNotOptimize(Text(v));
}
BENCHMARK(BM_CondScientificLarge);

// Values across the magnitudes, as a column of results would show them.
void BM_CondScientificMixed(benchmark::State& state) {
    const Variant values[] = {Variant::R8(0.00012), Variant::R8(0.0012345), Variant::R8(1.5),
                              Variant::R8(1234.5),  Variant::R8(12000),     Variant::R8(-98.765),
                              Variant::R8(0),       Variant::R8(6.02e23)};
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(Text(values[i++ & 7]));
}
BENCHMARK(BM_CondScientificMixed);

}  // namespace
