// Cost of clock time (a zone's rules instead of a fixed offset) in one change of date, and of
// the first use of the time-zone database in a program.

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "astro/core/clock_rise_set.h"
#include "astro/core/rise_set.h"
#include "astro/core/rise_set_texts.h"
#include "calendar/day_numbers.h"
#include "locations/core/place_clock.h"

namespace {

constexpr double kLat = 51.5;
constexpr double kLon = -0.1333;

// Steps through the days of 2025, so a year's changes of the clocks are crossed.
struct DayWalk {
    int month = 1;
    int day = 1;
    void Next() {
        if (++day > chronel::GregorianMonthLength(month, 2025)) {
            day = 1;
            month = month % 12 + 1;
        }
    }
};

// The first use of the database in a fresh process (a forked child each time): reading the
// list of zones, London's file and one offset. Registered first, so that the parent has not
// touched the database when it forks.
void BM_FirstDatabaseUse(benchmark::State& state) {
    for (auto _ : state) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            state.SkipWithError("pipe");
            return;
        }
        const pid_t child = fork();
        if (child == 0) {
            const auto start = std::chrono::steady_clock::now();
            const chronel::PlaceClock clock = chronel::ResolvePlaceClock("Europe/London", 0);
            benchmark::DoNotOptimize(clock.offsetAt(2460857.5));
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const bool written = write(pipeEnds[1], &seconds, sizeof seconds) == sizeof seconds;
            _exit(written && !clock.zoneUnknown ? 0 : 1);
        }
        close(pipeEnds[1]);
        double seconds = 0;
        const bool read_ok = read(pipeEnds[0], &seconds, sizeof seconds) == sizeof seconds;
        close(pipeEnds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (child < 0 || !read_ok || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the child could not use the database");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_FirstDatabaseUse)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// One day at a fixed offset: the computation and the five texts.
void BM_FixedOffsetDay(benchmark::State& state) {
    DayWalk d;
    for (auto _ : state) {
        const chronel::RiseSetResult r =
            chronel::ComputeRiseSet(2025, d.month, d.day, kLon, kLat, 0);
        benchmark::DoNotOptimize(chronel::FormatRiseSetTexts(r));
        d.Next();
    }
}
BENCHMARK(BM_FixedOffsetDay)->Unit(benchmark::kMicrosecond);

// The same day at London's clocks (the zone resolved once, as for a picked city).
void BM_ClockTimeDay(benchmark::State& state) {
    const chronel::PlaceClock clock = chronel::ResolvePlaceClock("Europe/London", 0);
    DayWalk d;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chronel::ComputeClockRiseSet(2025, d.month, d.day, kLon, kLat,
                                                              clock.offsetAt, clock.zoneId));
        d.Next();
    }
}
BENCHMARK(BM_ClockTimeDay)->Unit(benchmark::kMicrosecond);


}  // namespace
