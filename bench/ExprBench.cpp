// The expression engine per evaluation, side by side with muparser on the same expressions:
// the default display expression of the single-value glue with a new TheValue each time, the
// magnitude of two properties (the multi-property glue's default), and a conditional pick.
// Our figures include setting TheValue by name, as the glues do before every evaluation.
// Timings on a shared machine drift between runs; compare with the runs interleaved:
//   ExprBench --benchmark_enable_random_interleaving=true --benchmark_repetitions=8
#include <benchmark/benchmark.h>

#include <cmath>
#include <span>
#include <string>

#include "expr/ExprEvaluator.h"
#include "expr/ExprEvaluatorText.h"

#if defined(TAV_HAVE_MUPARSER)
#include <muParser.h>
#endif

using namespace tav;

namespace {

constexpr const char* kScaled = "( TheValue * PI + 2 ) ^ 2";
constexpr const char* kMagnitude = "Sqr ( MyProp1 ^ 2 + MyProp2 ^ 2 )";
constexpr const char* kChoice = "IIf ( TheValue > 5 , TheValue * 2 , TheValue / 2 )";
// muparser wants a function's "(" right after its name; otherwise the same expressions.
constexpr const char* kMuMagnitude = "Sqr( MyProp1 ^ 2 + MyProp2 ^ 2 )";
constexpr const char* kMuChoice = "IIf( TheValue > 5 , TheValue * 2 , TheValue / 2 )";
constexpr double kStep = 0.001;
constexpr double kWrapAt = 10.0;

double nextValue(double x) { return x + kStep < kWrapAt ? x + kStep : 0.0; }

Ref<ExprEvaluator> evaluatorFor(const char* text) {
    Ref<ExprEvaluator> ev = makeRef<ExprEvaluator>();
    ev->SetExpressionString(text);
    ev->SetNamedVariable("TheValue", Variant::R8(1.0));
    ev->SetNamedVariable("MyProp1", Variant::R8(3.0));
    ev->SetNamedVariable("MyProp2", Variant::R8(4.0));
    return ev;
}

void oursWithNewValue(benchmark::State& state, const char* text) {
    Ref<ExprEvaluator> ev = evaluatorFor(text);
    double x = 0;
    for (auto _ : state) {
        x = nextValue(x);
        ev->SetNamedVariable("TheValue", Variant::R8(x));
        Variant r = ev->EvalExpresion();
        benchmark::DoNotOptimize(r);
    }
}

void BM_Ours_Scaled(benchmark::State& state) { oursWithNewValue(state, kScaled); }
void BM_Ours_Magnitude(benchmark::State& state) {
    Ref<ExprEvaluator> ev = evaluatorFor(kMagnitude);
    for (auto _ : state) {
        Variant r = ev->EvalExpresion();
        benchmark::DoNotOptimize(r);
    }
}
void BM_Ours_IIf(benchmark::State& state) { oursWithNewValue(state, kChoice); }

BENCHMARK(BM_Ours_Scaled);
BENCHMARK(BM_Ours_Magnitude);
BENCHMARK(BM_Ours_IIf);

#if defined(TAV_HAVE_MUPARSER)

double muIIf(double condition, double ifTrue, double ifFalse) { return condition != 0 ? ifTrue : ifFalse; }
double muSqr(double x) { return std::sqrt(x); }

struct MuSetup {
    mu::Parser parser;
    double theValue = 1.0, myProp1 = 3.0, myProp2 = 4.0;
    explicit MuSetup(const char* text) {
        parser.DefineVar("TheValue", &theValue);
        parser.DefineVar("MyProp1", &myProp1);
        parser.DefineVar("MyProp2", &myProp2);
        parser.DefineConst("PI", ExprEvaluatorText::PiValue);
        parser.DefineFun("Sqr", muSqr);
        parser.DefineFun("IIf", muIIf);
        parser.SetExpr(text);
    }
};

void muWithNewValue(benchmark::State& state, const char* text) {
    MuSetup mu(text);
    for (auto _ : state) {
        mu.theValue = nextValue(mu.theValue);
        double r = mu.parser.Eval();
        benchmark::DoNotOptimize(r);
    }
}

void BM_MuParser_Scaled(benchmark::State& state) { muWithNewValue(state, kScaled); }
void BM_MuParser_Magnitude(benchmark::State& state) {
    MuSetup mu(kMuMagnitude);
    for (auto _ : state) {
        double r = mu.parser.Eval();
        benchmark::DoNotOptimize(r);
    }
}
void BM_MuParser_IIf(benchmark::State& state) { muWithNewValue(state, kMuChoice); }

BENCHMARK(BM_MuParser_Scaled);
BENCHMARK(BM_MuParser_Magnitude);
BENCHMARK(BM_MuParser_IIf);

#endif

}  // namespace
