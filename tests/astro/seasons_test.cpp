#include "astro/core/seasons.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/core/almanac.h"
#include "calendar/day_numbers.h"

namespace chronel {
namespace {

// J. Meeus, Astronomical Algorithms (2nd ed.), example 27.a: the June solstice of 1962 falls
// at JDE 2437837.39245 (1962 June 21, 21h25m08s TD).
TEST(Seasons, MeeusExample27a) {
    EXPECT_NEAR(SeasonJDE(1962, SeasonKind::kJuneSolstice), 2437837.39245, 0.00001);
}

// U.S. Naval Observatory, "Earth's Seasons, Equinoxes, Solstices, Perihelion, and Aphelion"
// (Universal Time, to the minute). Meeus gives his method's error as under a minute for
// 1951-2050; with the table's rounding that is at most 1.5 minutes.
TEST(Seasons, UsnoTableOfSeasonsInUniversalTime) {
    struct Row {
        int year;
        SeasonKind kind;
        int month, day, hour, minute;
    };
    const Row rows[] = {
        {2000, SeasonKind::kMarchEquinox, 3, 20, 7, 35},
        {2000, SeasonKind::kJuneSolstice, 6, 21, 1, 48},
        {2000, SeasonKind::kSeptemberEquinox, 9, 22, 17, 28},
        {2000, SeasonKind::kDecemberSolstice, 12, 21, 13, 37},
        {2024, SeasonKind::kMarchEquinox, 3, 20, 3, 6},
        {2024, SeasonKind::kJuneSolstice, 6, 20, 20, 51},
        {2024, SeasonKind::kSeptemberEquinox, 9, 22, 12, 44},
        {2024, SeasonKind::kDecemberSolstice, 12, 21, 9, 20},
        {2026, SeasonKind::kMarchEquinox, 3, 20, 14, 46},
        {2026, SeasonKind::kJuneSolstice, 6, 21, 8, 24},
    };
    for (const Row& r : rows) {
        const double expected =
            GregorianToJD(r.day, r.month, r.year) + (r.hour + r.minute / 60.0) / 24.0;
        EXPECT_NEAR((SeasonInstantUt(r.year, r.kind) - expected) * 1440, 0.0, 1.5)
            << r.year << " " << SeasonName(r.kind);
    }
}

TEST(Seasons, NamesAndOrderWithinTheYear) {
    EXPECT_EQ(SeasonName(SeasonKind::kMarchEquinox), "March equinox");
    EXPECT_EQ(SeasonName(SeasonKind::kDecemberSolstice), "December solstice");
    // Both tables (before and after AD 1000) keep the four in order about 91-94 days apart.
    for (int year : {-1000, 1, 999, 1000, 2100, 3000}) {
        for (int k = 0; k < 3; ++k) {
            const double gap = SeasonJDE(year, static_cast<SeasonKind>(k + 1)) -
                               SeasonJDE(year, static_cast<SeasonKind>(k));
            EXPECT_GT(gap, 88.0) << year << " " << k;
            EXPECT_LT(gap, 95.0) << year << " " << k;
        }
    }
}

}  // namespace
}  // namespace chronel
