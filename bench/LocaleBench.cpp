// Locales: what a thread pays the first time it works in a locale. A record is built once per
// process from the regional data; a thread that meets a locale another thread built only looks
// it up, then compiles its date pictures on its first date.
#include <benchmark/benchmark.h>

#include <array>
#include <thread>

#include "automation/conversions/Conversions.h"
#include "automation/format/Format.h"
#include "automation/locale/Locale.h"

namespace {

using tav::Locale;
using tav::Variant;

// A new thread that converts a text, shows a number and a long date in de-DE and ends (the
// thread's start and end included).
void BM_NewThreadFirstUse(benchmark::State& state) {
    Locale::named("de-DE");  // built by the process before
    for (auto _ : state) {
        std::thread t([] {
            Locale::setCurrent(Locale::named("de-DE"));
            benchmark::DoNotOptimize(tav::CDbl(Variant("1.234,5")));
            benchmark::DoNotOptimize(tav::Format(Variant::R8(1234.5), "Standard"));
            benchmark::DoNotOptimize(tav::Format(Variant::Date(45292.6875), "Long Date"));
        });
        t.join();
    }
}
BENCHMARK(BM_NewThreadFirstUse)->UseRealTime();

// The first use of a locale the process has not seen: its record built from the regional data
// (each iteration a locale of its own).
constexpr std::array<const char*, 24> kLocales = {
    "de-AT", "de-CH", "fr-CA", "fr-BE", "it-IT", "nl-NL", "pt-BR", "pt-PT", "pl-PL", "cs-CZ",
    "da-DK", "fi-FI", "nb-NO", "ru-RU", "tr-TR", "el-GR", "hu-HU", "ko-KR", "zh-CN", "he-IL",
    "ar-EG", "th-TH", "en-AU", "en-IN"};

void BM_FirstUseOfNewLocale(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        const Locale& loc = Locale::named(kLocales[i++]);
        benchmark::DoNotOptimize(tav::Format(Variant::Date(45292.6875), "Long Date", 1, 1, loc));
    }
}
BENCHMARK(BM_FirstUseOfNewLocale)->Iterations(kLocales.size())->UseRealTime();

}  // namespace
