// The almanac of one day, and a whole year's CSV table (what `chronel almanac --format csv`
// computes and formats), at London.
#include <benchmark/benchmark.h>

#include "astro/core/almanac.h"
#include "astro/core/almanac_texts.h"
#include "astro/core/almanac_year.h"

namespace {

using namespace chronel;

void BM_AlmanacOfOneDay(benchmark::State& state) {
    const UtcOffsetAt clock = FixedUtcOffset(1.0);
    int day = 0;
    for (auto _ : state) {
        const Almanac a = ComputeAlmanac(2026, 6, 1 + day, 51.5072, -0.1276, 1.0, clock);
        benchmark::DoNotOptimize(FormatAlmanacTexts(a));
        day = (day + 1) % 28;
    }
}
BENCHMARK(BM_AlmanacOfOneDay);

void BM_AlmanacYearCsv(benchmark::State& state) {
    const UtcOffsetAt clock = FixedUtcOffset(0.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(AlmanacYearCsv(ComputeAlmanacYear(2026, 51.5072, -0.1276, clock)));
    }
}
BENCHMARK(BM_AlmanacYearCsv)->Unit(benchmark::kMillisecond);

void BM_AlmanacYearIcs(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(AlmanacYearIcs(2026, 2461041.5));
}
BENCHMARK(BM_AlmanacYearIcs)->Unit(benchmark::kMicrosecond);

}  // namespace
