#include "astro/core/delta_t.h"

#include <gtest/gtest.h>

namespace chronel {
namespace {

// Source: NASA Eclipse Web Site, "Historical Values of Delta T" (Morrison & Stephenson 2004
// before 1600, observed values after), the table the polynomial expressions were fitted to.
// The tolerance is how closely the fit is expected to follow the table; it is far below the
// table's own uncertainty (about 430 s at -500, 260 s at 0, 55 s at 1000, 20 s at 1600).
TEST(DeltaT, FollowsTheNasaTable) {
    struct Row {
        double year, seconds, tolerance;
    };
    const Row rows[] = {
        {-500, 17190, 20}, {0, 10580, 10},  {500, 5710, 5},   {1000, 1570, 5},
        {1500, 200, 2},    {1600, 120, 1},  {1700, 9, 0.5},   {1800, 13.7, 0.5},
        {1900, -2.7, 0.5}, {1950, 29.1, 0.5}, {1970, 40.2, 0.5}, {1990, 56.9, 0.5},
        {2000, 63.8, 0.5}, {2005, 64.7, 0.5},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(DeltaTSeconds(r.year), r.seconds, r.tolerance) << "year " << r.year;
    }
}

// The pieces join smoothly; a wrong coefficient in a piece that no table year above falls
// into shows as a jump at its ends. Outside -1999..3000 the long-term parabola goes on.
TEST(DeltaT, PiecesMeetAtTheirBoundaries) {
    const double boundaries[] = {-500, 500,  1600, 1700, 1800, 1860, 1900,
                                 1920, 1941, 1961, 1986, 2005, 2050, 2150};
    for (double b : boundaries) {
        EXPECT_NEAR(DeltaTSeconds(b - 1e-9), DeltaTSeconds(b), 1.0) << "at " << b;
    }
    // -20 + 32 u^2 with u = (y - 1820) / 100.
    EXPECT_NEAR(DeltaTSeconds(-3000), -20 + 32 * 48.2 * 48.2, 1e-6);
    EXPECT_NEAR(DeltaTSeconds(3500), -20 + 32 * 16.8 * 16.8, 1e-6);
}

TEST(DeltaT, DecimalYearOfJulianDay) {
    EXPECT_DOUBLE_EQ(DecimalYearOfJD(2451544.5), 2000.0);
    EXPECT_NEAR(DecimalYearOfJD(2451544.5 + 365.2425 * 26.5), 2026.5, 1e-12);
    EXPECT_NEAR(DeltaTDays(2451544.5) * 86400, DeltaTSeconds(2000.0), 1e-9);
}

}  // namespace
}  // namespace chronel
