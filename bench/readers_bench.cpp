// Start-up cost of large data files: a transitions file of about 2 MB (one region of 100 000
// dated lines, a child merging 20 000 lines of its own, 74 regions inheriting the list whole)
// and a city file of about 10 MB (165 000 lines). Both are generated into a temporary folder.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "history/core/transitions_file.h"
#include "locations/core/city_table.h"

using namespace chronel;

namespace {

std::filesystem::path ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "chronel-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return {};
    return pattern;
}

// Julian dates from AD 1 on, one line every few days, in date order.
void AppendDatedLines(std::string& text, int count, int era, int style, int firstYear) {
    for (int i = 0; i < count; ++i) {
        const int day = 1 + i % 28, month = 1 + (i / 28) % 12, year = firstYear + i / 336;
        text += "0 " + std::to_string(era) + ' ' + std::to_string(style) + ' ' + std::to_string(day) + ' ' +
                std::to_string(month) + ' ' + std::to_string(year) + '\n';
    }
}

std::string LargeTransitionsText() {
    std::string text = "0 0 100000\n";
    AppendDatedLines(text, 100000, 4, 1, 1);
    text += "1 0 20000\n";
    AppendDatedLines(text, 20000, 4, 0, 50);  // another style: inserted among the parent's lines
    for (int k = 2; k < 76; ++k) text += std::to_string(k) + " 0 0\n";
    return text;
}

void BM_LoadLargeTransitionsFile(benchmark::State& state) {
    const auto folder = ScratchFolder();
    const auto path = folder / "Transitions.txt";
    const std::string text = LargeTransitionsText();
    std::ofstream(path, std::ios::binary) << text;
    std::ostringstream errors;
    for (auto _ : state) {
        std::vector<CRegion> regions;
        const TransitionsLoadResult result = LoadTransitions(path, regions, errors);
        if (result.regionsLoaded != 76) state.SkipWithError("the generated file did not load whole");
        benchmark::DoNotOptimize(regions.data());
    }
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadLargeTransitionsFile)->Unit(benchmark::kMillisecond);

void BM_LoadLargeCityFile(benchmark::State& state) {
    const auto folder = ScratchFolder();
    const auto path = folder / "CitiesDMS.txt";
    std::string text;
    for (int i = 0; i < 165000; ++i)
        text += "City number " + std::to_string(i) + " (Somewhere)\t51 30 N 0 7 W 0 Europe/London\n";
    std::ofstream(path, std::ios::binary) << text;
    std::ostringstream errors;
    for (auto _ : state) {
        CityTable table;
        const CityLoadResult result = LoadCityTable(path, table, nullptr, errors);
        if (result.rowsAdded != 165000 || result.linesUnusable != 0)
            state.SkipWithError("the generated file did not load whole");
        benchmark::DoNotOptimize(table.cityNames.data());
    }
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadLargeCityFile)->Unit(benchmark::kMillisecond);

}  // namespace
