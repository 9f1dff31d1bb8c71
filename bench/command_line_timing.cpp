// Figures of the command line as whole processes, beside a plain command-line tool:
//   command-line-timing CHRONEL [RUNS]
// 1. `chronel day --format json` (one day, the default city) against `ncal -e 2026` (Debian's
//    ncal, the Easter date of a year), run alternately RUNS times each: median wall time.
// 2. `chronel day --days 36525 --format csv` (a century, every field): days per second.
// Run from a folder with Data/ (make bench runs it from the repository).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "process_timing.h"

using namespace chronel::bench;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: command-line-timing CHRONEL [RUNS]\n");
        return 2;
    }
    const std::string chronel = argv[1];
    const int runs = argc > 2 ? std::atoi(argv[2]) : 51;
    const std::string ncal = "/usr/bin/ncal";

    std::vector<double> dayTimes, ncalTimes;
    long dayPeak = 0;
    for (int i = 0; i < runs; ++i) {
        const RunFigures d = Run({chronel, "day", "--greg", "2026-12-11", "--format", "json"}, "");
        const RunFigures n = Run({ncal, "-e", "2026"}, "");
        dayTimes.push_back(d.seconds);
        ncalTimes.push_back(n.seconds);
        dayPeak = std::max(dayPeak, d.peakKiB);
    }
    const double dMed = Median(dayTimes), nMed = Median(ncalTimes);
    std::printf("chronel day --format json (median of %d): %.2f ms, ncal -e 2026 %.2f ms, ratio %.2f (target <= 2); "
                "peak memory %.1f MiB\n",
                runs, dMed * 1e3, nMed * 1e3, dMed / nMed, dayPeak / 1024.0);

    constexpr int kCentury = 36525;
    std::vector<double> centuryTimes;
    for (int i = 0; i < 5; ++i)
        centuryTimes.push_back(
            Run({chronel, "day", "--greg", "2000-01-01", "--days", std::to_string(kCentury), "--format", "csv"}, "")
                .seconds);
    const double cMed = Median(centuryTimes);
    std::printf("chronel day --days %d --format csv (median of 5): %.3f s, %.0f days per second (target >= 50000)\n",
                kCentury, cMed, kCentury / cMed);
    return 0;
}
