// Cost of looking up written dates: one lookup, and a batch file of 100 000 rows (which must
// take well under 2 s). Run from the repository root (or wherever Data/ is found).

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "history/core/eras.h"
#include "history/core/transitions_file.h"
#include "history/core/written_date.h"
#include "history/core/written_date_batch.h"
#include "history/core/year_styles.h"
#include "platform/core/csv_field.h"
#include "platform/core/data_dir.h"

using namespace chronel;

namespace {

const std::array<std::string, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};

struct Tables {
    std::vector<CRegion> regions;
    std::vector<CEra> eras;
    std::vector<CYearStyle> styles;
    bool loaded = false;
    Tables() {
        std::ostringstream errors;
        loaded = LoadTransitions(DataFile("Transitions.txt"), regions, errors).regionsLoaded == 76;
        FillEraList(eras);
        FillStyleList(styles);
    }
};

const Tables& SharedTables() {
    static const Tables tables;
    return tables;
}

// One written date in one region: a plain reading, two readings, a reform gap, a date before
// the region's history.
void BM_FindWrittenDate(benchmark::State& state) {
    const Tables& t = SharedTables();
    if (!t.loaded) state.SkipWithError("Data/Transitions.txt did not load whole");
    const WrittenDate dates[] = {{10, 2, 1750, std::nullopt, std::nullopt},
                                 {1, 9, 7208, std::nullopt, std::nullopt},
                                 {10, 9, 1752, std::nullopt, std::nullopt},
                                 {1, 1, 900, std::nullopt, std::nullopt}};
    const char* regions[] = {"United Kingdom", "Russia", "United Kingdom", "Russia"};
    std::size_t i = 0;
    for (auto _ : state) {
        const WrittenDateLookup r = FindWrittenDateIn(t.regions, regions[i % 4], dates[i % 4], t.eras, t.styles, kMonths);
        benchmark::DoNotOptimize(r.readings.data());
        ++i;
    }
}
BENCHMARK(BM_FindWrittenDate);

// 100 000 rows over all 76 regions and a spread of years, about one in eight unreadable or
// impossible, converted from memory to memory.
std::string BatchInput(const Tables& t, int rows) {
    std::string csv = "region,date,weekday\n";
    for (int k = 0; k < rows; ++k) {
        const CRegion& r = t.regions[static_cast<std::size_t>(k) % t.regions.size()];
        const int day = 1 + (k * 7) % 28;
        const int month = 1 + (k * 5) % 12;
        const int year = 900 + (k * 37) % 1200;
        AppendCsvValue(csv, r.m_name);
        csv += ',';
        if (k % 16 == 5) csv += std::to_string(day) + " Smarch " + std::to_string(year);
        else if (k % 16 == 9) csv += "30 February " + std::to_string(year);
        else csv += std::to_string(day) + " " + kMonths[static_cast<std::size_t>(month) - 1] + " " + std::to_string(year);
        csv += k % 3 == 0 ? ",Sunday\n" : ",\n";
    }
    return csv;
}

void BM_ConvertBatch100k(benchmark::State& state) {
    const Tables& t = SharedTables();
    if (!t.loaded) state.SkipWithError("Data/Transitions.txt did not load whole");
    const std::string input = BatchInput(t, 100000);
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        const BatchSummary s = ConvertBatch(in, out, t.regions, t.eras, t.styles, kMonths);
        if (s.rows != 100000) state.SkipWithError("rows lost");
        benchmark::DoNotOptimize(out.str().data());
    }
}
BENCHMARK(BM_ConvertBatch100k)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
