// Start-up cost of the transitions file and per-click cost of the two local-date rows.
// Run from the repository root (or wherever Data/ is found).

#include <array>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "res/templates/templates.h"

#include "calendar/day_numbers.h"
#include "history/core/eras.h"
#include "history/core/local_date.h"
#include "history/core/local_date_row.h"
#include "history/core/transitions_file.h"
#include "history/core/year_styles.h"
#include "platform/core/data_dir.h"

using namespace chronel;

namespace {

// Opening, reading and merging the shipped file, as the program does once at start-up.
void BM_LoadTransitionsFile(benchmark::State& state) {
    const auto path = DataFile("Transitions.txt");
    std::ostringstream errors;
    for (auto _ : state) {
        std::vector<CRegion> regions;
        const TransitionsLoadResult result = LoadTransitions(path, regions, errors);
        if (result.regionsLoaded != 76) state.SkipWithError("Data/Transitions.txt did not load whole");
        benchmark::DoNotOptimize(regions.data());
    }
}
BENCHMARK(BM_LoadTransitionsFile)->Unit(benchmark::kMicrosecond);

// The parsing and merging alone, from text already in memory.
void BM_ParseTransitionsText(benchmark::State& state) {
    std::ifstream file(DataFile("Transitions.txt"));
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::ostringstream errors;
    for (auto _ : state) {
        std::istringstream in(text);
        std::vector<CRegion> regions;
        LoadTransitions(in, "Transitions.txt", regions, errors);
        benchmark::DoNotOptimize(regions.data());
    }
}
BENCHMARK(BM_ParseTransitionsText)->Unit(benchmark::kMicrosecond);

// One recomputation of both rows with the start-up regions, on days spread over history.
void BM_TwoLocalDateRows(benchmark::State& state) {
    std::vector<CRegion> regions;
    std::ostringstream errors;
    LoadTransitions(DataFile("Transitions.txt"), regions, errors);
    std::vector<CEra> eras;
    std::vector<CYearStyle> styles;
    FillEraList(eras);
    FillStyleList(styles);
    double jd = JulianToJD(1, 1, 900);
    for (auto _ : state) {
        const CurrentDay day = CurrentDayAt(jd);
        benchmark::DoNotOptimize(LocalDateRowFor(regions, "Russia", day, eras, styles, g_monthNames));
        benchmark::DoNotOptimize(LocalDateRowFor(regions, "Diocese of Augsburg", day, eras, styles, g_monthNames));
        jd += 97.0;
        if (jd > 2500000.5) jd = JulianToJD(1, 1, 900);
    }
}
BENCHMARK(BM_TwoLocalDateRows);

}  // namespace
