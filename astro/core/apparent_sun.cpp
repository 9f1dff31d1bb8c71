#include "astro/core/apparent_sun.h"

#include <cmath>

#include "astro/core/earth_vsop87.h"
#include "astro/core/nutation.h"

namespace chronel {
namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;
constexpr double kArcsecToDeg = 1.0 / 3600;

}  // namespace

ApparentSunPlace ApparentSunAt(double jde) {
    const double t = (jde - 2451545.0) / 36525;
    const HeliocentricPlace earth = EarthHeliocentricPlace(t / 10);

    // Geocentric longitude and latitude of the Sun (VSOP87 dynamical frame), degrees.
    double longitude = earth.longitude * kRadToDeg + 180;
    double latitude = -earth.latitude * kRadToDeg;
    // To the FK5 system (Meeus ch. 25, "higher accuracy").
    const double lambdaPrime = (longitude - t * (1.397 + 0.00031 * t)) * kDegToRad;
    longitude += -0.09033 * kArcsecToDeg;
    latitude += 0.03916 * (std::cos(lambdaPrime) - std::sin(lambdaPrime)) * kArcsecToDeg;

    const Nutation n = NutationAt(t);
    const double aberration = -20.4898 * kArcsecToDeg / earth.radius;
    const double apparentLongitude = (longitude + n.longitude + aberration) * kDegToRad;
    const double beta = latitude * kDegToRad;
    const double epsilon = (MeanObliquity(t) + n.obliquity) * kDegToRad;

    // Ecliptic to equatorial (Meeus eqs. 13.3 and 13.4).
    const double sinLambda = std::sin(apparentLongitude);
    ApparentSunPlace p;
    const double ra = std::atan2(sinLambda * std::cos(epsilon) - std::tan(beta) * std::sin(epsilon),
                                 std::cos(apparentLongitude)) *
                      kRadToDeg;
    p.rightAscension = ra < 0 ? ra + 360 : ra;
    p.declination = std::asin(std::sin(beta) * std::cos(epsilon) +
                              std::cos(beta) * std::sin(epsilon) * sinLambda) *
                    kRadToDeg;
    p.distance = earth.radius;
    p.equationOfEquinoxes = n.longitude * std::cos(epsilon);
    return p;
}

}  // namespace chronel
