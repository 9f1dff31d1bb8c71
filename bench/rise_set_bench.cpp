// Cost of the astronomy behind one change of date: one rise and set computation (Moon, Sun and
// nautical twilight searches) and the Moon strip (picture index and next-phase texts).

#include <benchmark/benchmark.h>

#include "astro/core/moon_panel.h"
#include "astro/core/rise_set.h"
#include "astro/core/rise_set_texts.h"
#include "calendar/day_numbers.h"

namespace {

// One day at one place, with its five field texts.
void BM_ComputeRiseSet(benchmark::State& state) {
    for (auto _ : state) {
        const chronel::RiseSetResult r = chronel::ComputeRiseSet(2000, 1, 1, 0.0, 51.5, 0.0);
        benchmark::DoNotOptimize(chronel::FormatRiseSetTexts(r));
    }
}
BENCHMARK(BM_ComputeRiseSet)->Unit(benchmark::kMicrosecond);

// A whole year at one place; the "days/s" counter is the throughput.
void BM_RiseSetWholeYear(benchmark::State& state) {
    int days = 0;
    for (auto _ : state) {
        for (int month = 1; month <= 12; ++month) {
            const int length = chronel::GregorianMonthLength(month, 2024);
            for (int day = 1; day <= length; ++day) {
                benchmark::DoNotOptimize(chronel::ComputeRiseSet(2024, month, day, 13.4, 52.5, 1));
                ++days;
            }
        }
    }
    state.counters["days/s"] = benchmark::Counter(days, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RiseSetWholeYear)->Unit(benchmark::kMillisecond);

// The Moon strip of one day, near 2000 and at the last supported day (lunation numbers ~1e7).
void BM_MoonStrip(benchmark::State& state) {
    const double jd = state.range(0) == 0 ? 2451557.5 : chronel::MaxSupportedJD();
    for (auto _ : state) {
        benchmark::DoNotOptimize(chronel::MoonPictureIndex(jd));
        benchmark::DoNotOptimize(chronel::ComputeMoonPhaseTexts(jd));
    }
}
BENCHMARK(BM_MoonStrip)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
