// Our side of the accuracy study: the almanac of each case line read from standard input
// ("id year month day latitude longitude utcOffset"), written in the form of reference.js:
// "id name value" with instants as UT Julian Days, "none" without an event that day.
// nextPhase is the first principal phase from the day's start on, "kind:jdUt"; nextPhaseTT
// is the same phase's dynamical instant used as UT, as a program without ΔT would show it.
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "astro/core/almanac.h"
#include "calendar/day_numbers.h"

using namespace chronel;

namespace {

void Event(const std::string& id, const char* name, const AlmanacEvent& e) {
    if (e.at) {
        std::printf("%s %s %.6f\n", id.c_str(), name, e.at->jdUt);
    } else {
        std::printf("%s %s none\n", id.c_str(), name);
    }
}

}  // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string id;
        int y = 0, m = 0, d = 0;
        double lat = 0, lon = 0, tz = 0;
        if (!(in >> id >> y >> m >> d >> lat >> lon >> tz)) continue;
        const Almanac a = ComputeAlmanac(y, m, d, lat, lon, tz, FixedUtcOffset(tz));
        Event(id, "astronomicalDawn", a.astronomicalDawn);
        Event(id, "nauticalDawn", a.nauticalDawn);
        Event(id, "civilDawn", a.civilDawn);
        Event(id, "sunrise", a.sunrise);
        Event(id, "solarNoon", a.solarNoon);
        if (a.solarNoonAltitude) std::printf("%s solarNoonAltitude %.4f\n", id.c_str(), *a.solarNoonAltitude);
        Event(id, "sunset", a.sunset);
        Event(id, "civilDusk", a.civilDusk);
        Event(id, "nauticalDusk", a.nauticalDusk);
        Event(id, "astronomicalDusk", a.astronomicalDusk);
        std::printf("%s moonIllumination %.4f\n", id.c_str(), a.moonIlluminatedPercent);
        const double start = GregorianToJD(d, m, y) - tz / 24;
        for (const AlmanacPhase& p : a.phases) {
            if (p.at.jdUt < start) continue;
            std::printf("%s nextPhase %d:%.6f\n", id.c_str(), static_cast<int>(p.kind), p.at.jdUt);
            const long long q = LastPhaseBefore(p.at.jdUt + 1e-6);
            std::printf("%s nextPhaseTT %d:%.6f\n", id.c_str(), static_cast<int>(p.kind),
                        TruePhaseJDE(static_cast<double>(q) / 4.0));
            break;
        }
    }
    return 0;
}
