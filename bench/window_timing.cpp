// Start-up and per-click figures of the real windows, measured through the driver:
//   window-timing DRIVER BARE_DIALOG [RUNS] [CLICKS]
// 1. Start-up to a complete main window (the driver running a single "dump main") against a
//    bare Qt program showing one empty dialog, run alternately RUNS times each: median wall
//    time of the whole process, median wall time to the first line each prints once its window
//    is shown and painted, and peak resident memory of each.
// 2. CLICKS arrow clicks (next day: every click changes the day, so the Moon is repainted) in
//    one driver run, then again with the Computus window open: median and 99th percentile time
//    per click, from the driver's own timings.
// 3. The first opening of each side window.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "process_timing.h"

using namespace chronel::bench;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window-timing DRIVER BARE_DIALOG [RUNS] [CLICKS]\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string driver = argv[1], bare = argv[2];
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    const int clicks = argc > 4 ? std::atoi(argv[4]) : 10000;

    const std::string dumpScript = WriteTemp("dump main\n");
    std::vector<double> driverTimes, bareTimes, labelTimes, driverReady, bareReady;
    long driverPeak = 0, barePeak = 0;
    for (int i = 0; i < runs; ++i) {
        const RunFigures d = Run({driver, "--today", "2000-01-01"}, dumpScript);
        const RunFigures b = Run({bare}, "");
        const RunFigures l = Run({bare, "--label"}, "");
        driverTimes.push_back(d.seconds);
        bareTimes.push_back(b.seconds);
        driverReady.push_back(d.secondsToFirstOutput);
        bareReady.push_back(b.secondsToFirstOutput);
        labelTimes.push_back(l.seconds);
        driverPeak = std::max(driverPeak, d.peakKiB);
        barePeak = std::max(barePeak, b.peakKiB);
    }
    const double dMed = Median(driverTimes), bMed = Median(bareTimes), lMed = Median(labelTimes);
    const double dReady = Median(driverReady), bReady = Median(bareReady);
    std::printf("start-up (median of %d): chronel %.1f ms, bare dialog %.1f ms, ratio %.2f (target <= 1.5)\n", runs,
                dMed * 1e3, bMed * 1e3, dMed / bMed);
    // The whole process includes the exit, which for the bare dialog is a third of its time.
    std::printf("  to the first output once the window is painted: chronel %.1f ms, bare dialog %.1f ms, ratio %.2f\n",
                dReady * 1e3, bReady * 1e3, dReady / bReady);
    // An empty dialog never loads a font; one line of text costs the font set-up every window
    // with text pays, which shows how much of the difference is ours.
    std::printf("  bare dialog with one label %.1f ms: chronel / that = %.2f\n", lMed * 1e3, dMed / lMed);
    std::printf("peak memory: chronel %.1f MiB, bare dialog %.1f MiB, difference %.1f MiB (target <= 15)\n",
                driverPeak / 1024.0, barePeak / 1024.0, (driverPeak - barePeak) / 1024.0);

    // Clicks with everything on: rise and set, both local-date rows, the Moon, and (second run)
    // the Computus window open, which every recomputation then refreshes too.
    for (const bool computusOpen : {false, true}) {
        std::string clickScript = computusOpen ? "click main 1090\n" : "";
        for (int i = 0; i < clicks; ++i) clickScript += "click main 1012\n";
        const std::string clickPath = WriteTemp(clickScript);
        const std::string timesPath = WriteTemp("");
        setenv("CHRONEL_DRIVER_TIMES", timesPath.c_str(), 1);
        Run({driver, "--today", "2000-01-01"}, clickPath);
        unsetenv("CHRONEL_DRIVER_TIMES");
        std::vector<double> perClick;
        std::ifstream in(timesPath);
        for (double us; in >> us;) perClick.push_back(us);
        if (computusOpen && !perClick.empty()) perClick.erase(perClick.begin());  // the opening press
        std::printf("arrow click%s (%zu clicks, one run): median %.3f ms, 99th percentile %.3f ms (target median < 0.5)\n",
                    computusOpen ? ", Computus open" : "", perClick.size(), Median(perClick) / 1e3,
                    Percentile(perClick, 0.99) / 1e3);
        std::remove(clickPath.c_str());
        std::remove(timesPath.c_str());
    }
    // Opening each side window the first time (the Locations window fills its list of cities).
    const std::string openScript = WriteTemp("click main 1089\nclick main 1090\n");
    std::vector<double> openLocations, openComputus;
    for (int i = 0; i < std::max(3, runs / 3); ++i) {
        const std::string timesPath = WriteTemp("");
        setenv("CHRONEL_DRIVER_TIMES", timesPath.c_str(), 1);
        Run({driver, "--today", "2000-01-01"}, openScript);
        unsetenv("CHRONEL_DRIVER_TIMES");
        std::ifstream in(timesPath);
        double locations = 0, computus = 0;
        in >> locations >> computus;
        openLocations.push_back(locations);
        openComputus.push_back(computus);
        std::remove(timesPath.c_str());
    }
    std::printf("first opening (median of %zu): Locations %.1f ms, Computus %.1f ms\n", openLocations.size(),
                Median(openLocations) / 1e3, Median(openComputus) / 1e3);
    std::remove(openScript.c_str());
    std::remove(dumpScript.c_str());
    return 0;
}
