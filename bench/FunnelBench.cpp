// Funneling one property over many objects: a million doubles that all agree
// (ScalarCompareAll) and a million doubles added up (SumOfNumeric), fed through FunnelValue
// from C++ as the in-scope source part feeds them. Counters report the time per value.
#include <benchmark/benchmark.h>

#include <vector>

#include "scope/FunneledPropertyHolder.h"

using namespace tav;

namespace {

constexpr size_t kValues = 1'000'000;

// Values as objects would hold them: near each other (within the comparison's tolerance) but
// not all the same bits.
std::vector<Variant> agreeingDoubles() {
    std::vector<Variant> v;
    v.reserve(kValues);
    for (size_t i = 0; i < kValues; ++i) v.push_back(Variant::R8(1.5 + static_cast<double>(i % 7) * 1e-9));
    return v;
}

void funnel(benchmark::State& state, funneledPropertyResolveBy rule) {
    const std::vector<Variant> values = agreeingDoubles();
    FunneledPropertyHolder holder;
    holder.SetResolveBy(rule);
    for (auto _ : state) {
        holder.Reset();
        bool more = true;
        for (const Variant& v : values) more = holder.FunnelValue(v);
        benchmark::DoNotOptimize(more);
        Variant shown = holder.ApparentValue();
        benchmark::DoNotOptimize(shown);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kValues));
    state.counters["ns_per_value"] = benchmark::Counter(
        static_cast<double>(state.iterations() * kValues), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK_CAPTURE(funnel, ScalarCompareAll_1M_doubles, funneledPropertyResolveBy::ScalarCompareAll)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(funnel, SumOfNumeric_1M_doubles, funneledPropertyResolveBy::SumOfNumeric)
    ->Unit(benchmark::kMillisecond);
