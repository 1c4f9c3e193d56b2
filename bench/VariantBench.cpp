// Workloads of the Variant runtime: scalar operators, the tolerant comparison, copying text,
// and the two text conversions that run on every edit of a bound text box.
#include <benchmark/benchmark.h>

#include "automation/conversions/Conversions.h"
#include "automation/locale/Locale.h"
#include "automation/operators/Operators.h"
#include "automation/values/Variant.h"
#include "util/Utils.h"

using namespace tav;

namespace {

using BinaryOp = Variant (*)(const Variant&, const Variant&);

void runBinary(benchmark::State& state, BinaryOp op, Variant a, Variant b) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        Variant r = op(a, b);
        benchmark::DoNotOptimize(r);
    }
}

void cmpOp(benchmark::State& state, Variant a, Variant b) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(Cmp(a, b));
    }
}

BENCHMARK_CAPTURE(runBinary, Add_R8_R8, &Add, Variant::R8(1.25), Variant::R8(2.5));
BENCHMARK_CAPTURE(runBinary, Add_I4_I4, &Add, Variant::I4(1000), Variant::I4(2000));
BENCHMARK_CAPTURE(runBinary, Mul_R8_R8, &Mul, Variant::R8(1.25), Variant::R8(2.5));
BENCHMARK_CAPTURE(runBinary, Mul_I4_I4, &Mul, Variant::I4(1000), Variant::I4(2000));
BENCHMARK_CAPTURE(cmpOp, Cmp_R8_R8, Variant::R8(1.25), Variant::R8(2.5));
BENCHMARK_CAPTURE(cmpOp, Cmp_I4_I4, Variant::I4(1000), Variant::I4(2000));

void ValuesDiffer_CloseDoubles(benchmark::State& state) {
    Variant a = Variant::R8(12.5), b = Variant::R8(12.5000001);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(Utils::ValuesDiffer(a, b));
    }
}
BENCHMARK(ValuesDiffer_CloseDoubles);

void Copy_String20(benchmark::State& state) {
    const Variant s("abcdefghijklmnopqrst");
    for (auto _ : state) {
        Variant copy(s);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(Copy_String20);

// The text conversions in the thread's locale: en-US (built in), and de-DE, whose separators
// are the other way round and whose record comes from the regional data.
void CStr_Double(benchmark::State& state, const char* locale) {
    const LocaleScope scope(Locale::named(locale));
    const Variant d = Variant::R8(1234.56789);
    for (auto _ : state) {
        std::string s = CStr(d);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK_CAPTURE(CStr_Double, en_US, "en-US");
BENCHMARK_CAPTURE(CStr_Double, de_DE, "de-DE");

void CDbl_NumericString(benchmark::State& state, const char* locale, const char* text) {
    const LocaleScope scope(Locale::named(locale));
    const Variant s(text);
    for (auto _ : state) benchmark::DoNotOptimize(CDbl(s));
}
BENCHMARK_CAPTURE(CDbl_NumericString, en_US, "en-US", "1,234.56789");
BENCHMARK_CAPTURE(CDbl_NumericString, de_DE, "de-DE", "1.234,56789");

}  // namespace
