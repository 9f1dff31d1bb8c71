#include "astro/core/rise_set_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace chronel {
namespace {

TEST(RiseSetMath, HoursToHMRoundsAndCarries) {
    struct Case {
        double hours;
        int h, m;
    };
    const Case cases[] = {
        {8.1, 8, 6},
        {6.9999, 7, 0},     // 6 h 59.994 min: the rounded minute carries into the hour
        {6.99, 6, 59},      // 59.4 min
        {6.991666, 6, 59},  // 59.49996 min rounds down
        {23.9999, 24, 0},   // an event at the very end of the day
        {24.0, 24, 0},
        {0.0, 0, 0},
        {0.008, 0, 0},      // 0.48 min
        {0.0084, 0, 1},     // 0.504 min
    };
    for (const Case& c : cases) {
        const HoursMinutes hm = HoursToHM(c.hours);
        EXPECT_EQ(hm.hours, c.h) << c.hours;
        EXPECT_EQ(hm.minutes, c.m) << c.hours;
    }
    EXPECT_EQ(HoursToHM(8.1).Packed(), 806);
    EXPECT_EQ(HoursToHM(6.9999).Packed(), 700);
}

TEST(RiseSetMath, FracSignIntPart) {
    EXPECT_DOUBLE_EQ(Frac(2.25), 0.25);
    EXPECT_DOUBLE_EQ(Frac(-2.25), 0.75);
    EXPECT_EQ(Frac(-3.0), 0.0);
    EXPECT_EQ(Sign(-0.1), -1.0);
    EXPECT_EQ(Sign(0.0), 0.0);
    EXPECT_EQ(Sign(5.0), 1.0);
    EXPECT_EQ(IntPart(-2.7), -2.0);
    EXPECT_EQ(IntPart(2.7), 2.0);
    EXPECT_NEAR(SinDeg(30), 0.5, 1e-15);
    EXPECT_NEAR(CosDeg(60), 0.5, 1e-15);
}

TEST(RiseSetMath, SiderealTimeAtJ2000) {
    // Greenwich mean sidereal time at 1 January 2000, 0h UT is 6h 39m 52.26s (Astronomical
    // Almanac); 15 degrees west subtracts one hour; the result wraps into [0, 24).
    EXPECT_NEAR(LocalSiderealTime(51544.0, 0.0), 6.66451, 1e-4);
    EXPECT_NEAR(LocalSiderealTime(51544.0, 15.0), 5.66451, 1e-4);
    EXPECT_NEAR(LocalSiderealTime(51544.0, -270.0), 6.66451 + 18 - 24, 1e-4);
    // Negative MJD (before 17 November 1858) still gives a time within the day.
    const double lst = LocalSiderealTime(-1000.25, 100.0);
    EXPECT_GE(lst, 0.0);
    EXPECT_LT(lst, 24.0);
}

TEST(RiseSetMath, SunAndMoonPositions) {
    // Sun at 2000 January 1, 12h TT: RA 18h 45.2m, Dec -23 deg 02'.
    const EquatorialPosition sun = SunPosition(0.0);
    EXPECT_NEAR(sun.ra, 18.753, 0.01);
    EXPECT_NEAR(sun.dec, -23.03, 0.03);
    // Sun at the June solstice 2000 (June 21, 1h48m UT): RA 6h, Dec +23.44 deg.
    const EquatorialPosition june = SunPosition((51716.075 - 51544.5) / 36525);
    EXPECT_NEAR(june.ra, 6.0, 0.01);
    EXPECT_NEAR(june.dec, 23.44, 0.02);
    // Moon at 1992 April 12, 0h (Meeus, Astronomical Algorithms, example 47.a): RA 134.688 deg
    // (8.9792 h), Dec +13.768 deg; the short series is good to a few minutes of arc.
    const EquatorialPosition moon = MoonPosition((48724.0 - 51544.5) / 36525);
    EXPECT_NEAR(moon.ra, 8.9792, 0.01);
    EXPECT_NEAR(moon.dec, 13.768, 0.1);
}

TEST(RiseSetMath, SinAltitudeOfTheSunAtNoon) {
    // London, 21 June 2000, 12:00 UT: the Sun stands about 90 - 51.5 + 23.44 = 61.9 degrees up.
    const double s = SinAltitude(kBodySun, 51716.0, 12.0, 0.0, CosDeg(51.5), SinDeg(51.5));
    EXPECT_NEAR(std::asin(s) * 57.29577951308232, 61.9, 0.2);
}

TEST(RiseSetMath, QuadRoots) {
    // y = x^2 - 0.25: roots at -0.5 and +0.5, minimum -0.25 at 0.
    QuadRoots q = FindQuadRoots(0.75, -0.25, 0.75);
    EXPECT_EQ(q.nz, 2);
    EXPECT_DOUBLE_EQ(q.z1, -0.5);
    EXPECT_DOUBLE_EQ(q.z2, 0.5);
    EXPECT_DOUBLE_EQ(q.xe, 0.0);
    EXPECT_DOUBLE_EQ(q.ye, -0.25);
    // y = (x + 3)(x - 0.5) / 4 has one root inside the window, at 0.5; z1 reports it.
    auto f = [](double x) { return (x + 3) * (x - 0.5) / 4; };
    q = FindQuadRoots(f(-1), f(0), f(1));
    EXPECT_EQ(q.nz, 1);
    EXPECT_NEAR(q.z1, 0.5, 1e-12);
    // No crossing: a parabola above zero.
    EXPECT_EQ(FindQuadRoots(1.0, 0.5, 1.0).nz, 0);
    // Three samples on a straight line make no parabola: no roots, nothing undefined.
    q = FindQuadRoots(-1.0, 0.0, 1.0);
    EXPECT_EQ(q.nz, 0);
    EXPECT_TRUE(std::isfinite(q.xe) && std::isfinite(q.ye));
}

}  // namespace
}  // namespace chronel
