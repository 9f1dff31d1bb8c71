#include "astro/core/sidereal_time.h"

#include <cmath>

namespace chronel {
namespace {

double ToTurn(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

}  // namespace

double GreenwichMeanSiderealDegrees(double jdUt) {
    const double days = jdUt - 2451545.0;
    const double t = days / 36525;
    // The whole turns of 360.98564736629 days are split off first, so the fraction keeps its
    // digits far from J2000.
    const double wholeDays = std::floor(days);
    const double turnsOfWholeDays = ToTurn(0.98564736629 * wholeDays);
    return ToTurn(280.46061837 + turnsOfWholeDays + 360.98564736629 * (days - wholeDays) +
                  t * t * (0.000387933 - t / 38710000));
}

double GreenwichApparentSiderealDegrees(double jdUt, double equationOfEquinoxesDegrees) {
    return ToTurn(GreenwichMeanSiderealDegrees(jdUt) + equationOfEquinoxesDegrees);
}

}  // namespace chronel
