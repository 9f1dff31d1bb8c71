#include "astro/core/lunar_phases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace chronel {
namespace {

// Reference values: Meeus, Astronomical Algorithms, examples 49.a and 49.b, and the phases of
// January 2000.
TEST(LunarPhases, MeanAndTruePhaseInstants) {
    EXPECT_NEAR(MeanPhaseJDE(-283), 2443192.94102, 1e-5);
    struct Case {
        double k;
        double jde;
    };
    const Case cases[] = {
        {-283, 2443192.65118},   // new moon, February 1977
        {544.75, 2467636.49186}, // last quarter, January 2044
        {0, 2451550.26026},      // new moon, 6 January 2000
        {0.25, 2451558.06609},   // first quarter, 14 January 2000
        {0.5, 2451564.69547},    // full moon, 21 January 2000
    };
    for (const Case& c : cases) EXPECT_NEAR(TruePhaseJDE(c.k), c.jde, 1e-5) << "k = " << c.k;
}

TEST(LunarPhases, PeriodicTermsOnlyWithin001OfAPhase) {
    // The planetary terms total at most 0.00130 days; the periodic terms near k = 0 add about
    // 0.15 days and near k = 0.5 more than 0.1 days.
    auto correction = [](double k) { return std::abs(TruePhaseJDE(k) - MeanPhaseJDE(k)); };
    EXPECT_LT(correction(0.1), 0.0013);
    EXPECT_NE(correction(0.1), 0.0);
    EXPECT_GT(correction(0.009), 0.05);
    EXPECT_LT(correction(0.011), 0.0013);
    EXPECT_GT(correction(0.509), 0.05);
    EXPECT_LT(correction(0.489), 0.0013);
}

TEST(LunarPhases, ReduceDegreesEndsAndExamples) {
    EXPECT_EQ(ReduceDegrees(-720), 0.0);
    EXPECT_FALSE(std::signbit(ReduceDegrees(-720)));
    EXPECT_EQ(ReduceDegrees(360), 360.0);
    EXPECT_EQ(ReduceDegrees(720), 360.0);
    EXPECT_EQ(ReduceDegrees(720.5), 0.5);
    EXPECT_EQ(ReduceDegrees(0), 0.0);
    EXPECT_EQ(ReduceDegrees(-0.5), 359.5);
    EXPECT_EQ(ReduceDegrees(-1e-20), 360.0);  // rounds up to the turn, as adding 360 does
    EXPECT_TRUE(std::isnan(ReduceDegrees(NAN)));
}

// The turn-by-turn reduction the fast one must match bit for bit.
double ReduceDegreesTurnByTurn(double x) {
    while (x < 0) x += 360;
    while (x > 360) x -= 360;
    return x;
}

TEST(LunarPhases, ReduceDegreesMatchesTurnByTurnReduction) {
    std::mt19937_64 rng(12345);
    std::uniform_real_distribution<double> wide(-2e6, 2e6);
    std::uniform_real_distribution<double> near(-1000, 1000);
    for (int i = 0; i < 20000; ++i) {
        const double x = (i % 2 == 0) ? wide(rng) : near(rng);
        ASSERT_EQ(ReduceDegrees(x), ReduceDegreesTurnByTurn(x)) << std::hexfloat << x;
    }
    for (double x : {360.0 * 7, -360.0 * 7, 359.99999999999994, 360.00000000000006, -1e-300})
        EXPECT_EQ(ReduceDegrees(x), ReduceDegreesTurnByTurn(x)) << std::hexfloat << x;
}

TEST(LunarPhases, LunationNumberCountsFromTheNewMoonOf2000) {
    EXPECT_DOUBLE_EQ(LunationNumber(2451550.09766), 0.0);
    EXPECT_NEAR(LunationNumber(2451550.09766 + 29.530588861 * 10), 10.0, 1e-9);
    EXPECT_NEAR(LunationNumber(2451544.5), -0.18955, 1e-5);
}

TEST(LunarPhases, NextPrincipalPhaseChoosesFromTheMeanLunation) {
    struct Case {
        double jd;
        const char* day;
        int kind;
        double k;
        double jde;
    };
    const Case cases[] = {
        {2451544.5, "1 January 2000", kNewMoon, 0.0, 2451550.26026},
        {2451550.5, "7 January 2000", kFirstQuarter, 0.25, 2451558.06609},
        // Just past the mean first quarter: the full moon is next although the true first
        // quarter falls later this very day.
        {2451557.5, "14 January 2000", kFullMoon, 0.5, 2451564.69547},
        {2451564.5, "21 January 2000", kFullMoon, 0.5, 2451564.69547},
        {2451565.5, "22 January 2000", kLastQuarter, 0.75, TruePhaseJDE(0.75)},
        {1538798.5, "1 January 500 BC (Julian)", kFullMoon, -30908.5, 1538804.16789},
    };
    for (const Case& c : cases) {
        const PrincipalPhase p = NextPrincipalPhase(c.jd);
        EXPECT_EQ(p.kind, c.kind) << c.day;
        EXPECT_EQ(p.k, c.k) << c.day;
        EXPECT_NEAR(p.jde, c.jde, 1e-5) << c.day;
    }
    EXPECT_NEAR(LunationNumber(2451557.5), 0.25067, 1e-5);
}

TEST(LunarPhases, NextPrincipalPhaseOnAWholeLunationIsThatNewMoon) {
    const PrincipalPhase p = NextPrincipalPhase(2451550.09766);  // k exactly 0
    EXPECT_EQ(p.kind, kNewMoon);
    EXPECT_EQ(p.k, 0.0);
}

TEST(LunarPhases, PhaseNames) {
    EXPECT_EQ(PhaseName(kNewMoon), "New Moon");
    EXPECT_EQ(PhaseName(kFirstQuarter), "First Quarter");
    EXPECT_EQ(PhaseName(kFullMoon), "Full Moon");
    EXPECT_EQ(PhaseName(kLastQuarter), "Last Quarter");
    EXPECT_EQ(PhaseName(4), "");
}

}  // namespace
}  // namespace chronel
