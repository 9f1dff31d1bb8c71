#include "astro/core/apparent_sun.h"

#include <gtest/gtest.h>

#include "astro/core/earth_vsop87.h"
#include "astro/core/nutation.h"
#include "astro/core/sidereal_time.h"

namespace chronel {
namespace {

constexpr double kRadToDeg = 57.29577951308232;

double Hms(int h, int m, double s) { return h + m / 60.0 + s / 3600; }

// J. Meeus, Astronomical Algorithms (2nd ed.), Example 25.b: the Sun on 1992 October 13.0 TD.
// The Earth's heliocentric place is Meeus's own sum of the same truncated series, so it
// must agree to his last digit; the apparent place he checks against the full theory
// (13h13m30.749s, -7 deg 47' 01.74"), which the four-term nutation leaves within 0.5".
TEST(ApparentSun, MeeusExample25b) {
    const double jde = 2448908.5;
    const HeliocentricPlace earth = EarthHeliocentricPlace((jde - 2451545.0) / 365250);
    EXPECT_NEAR(earth.longitude * kRadToDeg, 19.907372, 1e-6);
    EXPECT_NEAR(earth.latitude, -0.00000312, 1e-8);
    EXPECT_NEAR(earth.radius, 0.99760775, 1e-8);

    const ApparentSunPlace sun = ApparentSunAt(jde);
    const double arcsecond = 1.0 / 3600;
    EXPECT_NEAR(sun.rightAscension, 15 * Hms(13, 13, 30.749), arcsecond);
    EXPECT_NEAR(sun.declination, -(7 + 47 / 60.0 + 1.74 / 3600), arcsecond);
    EXPECT_NEAR(sun.distance, earth.radius, 1e-12);
}

// Meeus, Example 22.a, 1987 April 10.0 TD: the full theory gives -3.788" and +9.443"; the
// four largest terms are within 0.5" and 0.1" of it. The mean obliquity is 23 26' 27.407".
TEST(ApparentSun, NutationAndObliquityMeeusExample22a) {
    const double t = (2446895.5 - 2451545.0) / 36525;
    const Nutation n = NutationAt(t);
    EXPECT_NEAR(n.longitude * 3600, -3.788, 0.5);
    EXPECT_NEAR(n.obliquity * 3600, 9.443, 0.1);
    EXPECT_NEAR(MeanObliquity(t), 23 + 26 / 60.0 + 27.407 / 3600, 0.001 / 3600);
}

// Meeus, Examples 12.a and 12.b: 1987 April 10 at 0h UT the mean sidereal time is
// 13h10m46.3668s and the apparent 13h10m46.1351s (the four-term nutation: within 0.03 s);
// at 19h21m00s UT the mean is 8h34m57.0896s.
TEST(ApparentSun, SiderealTimeMeeusExamples12aAnd12b) {
    const double second = 15.0 / 3600;  // one second of time, in degrees
    EXPECT_NEAR(GreenwichMeanSiderealDegrees(2446895.5), 15 * Hms(13, 10, 46.3668), 1e-4 * second);
    EXPECT_NEAR(GreenwichMeanSiderealDegrees(2446895.5 + Hms(19, 21, 0) / 24), 15 * Hms(8, 34, 57.0896),
                1e-4 * second);
    const ApparentSunPlace sun = ApparentSunAt(2446895.5);  // 56 s of ΔT make no difference here
    EXPECT_NEAR(GreenwichApparentSiderealDegrees(2446895.5, sun.equationOfEquinoxes),
                15 * Hms(13, 10, 46.1351), 0.03 * second);
}

}  // namespace
}  // namespace chronel
