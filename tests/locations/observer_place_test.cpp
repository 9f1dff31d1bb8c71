#include "locations/core/observer_place.h"

#include <climits>
#include <cmath>

#include <gtest/gtest.h>

using namespace chronel;

namespace {

TEST(DmsToDegrees, MinutesAndSecondsFollowTheSignOfTheDegrees) {
    struct Case {
        int d, m, s;
        double degrees;
    } const cases[] = {
        {41, 54, 0, 41.9},   {12, 29, 0, 12.483333333333333}, {0, 30, 0, 0.5},
        {0, 0, 36, 0.01},    {-33, 52, 0, -33.866666666666667}, {-0, 30, 0, 0.5},
        {90, 60, 60, 91.016666666666667}, {10, 0, 3600, 11.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.d << " " << c.m << " " << c.s);
        EXPECT_NEAR(DmsToDegrees(c.d, c.m, c.s), c.degrees, 1e-12);
    }
}

TEST(DmsToDegrees, MultipliesByTheStoredFactors) {
    // 1/60 and 1/3600 as doubles, multiplied: these differ in the last bit from dividing by
    // 60 and 3600, and the stored results depend on it.
    EXPECT_EQ(DmsToDegrees(0, 23, 0), 23 * 0.016666666666666666);
    EXPECT_NE(23 * 0.016666666666666666, 23 / 60.0);
    EXPECT_EQ(DmsToDegrees(0, 0, 3), 3 * 0.0002777777777777778);
    EXPECT_NE(3 * 0.0002777777777777778, 3 / 3600.0);
    EXPECT_EQ(DmsToDegrees(-1, 7, 7), -1 - 7 * 0.016666666666666666 - 7 * 0.0002777777777777778);
}

TEST(DmsToDegrees, ExtremeIntegersStayDefined) {
    // Values straight from a damaged file: no int overflow (checked under the sanitizers).
    EXPECT_EQ(DmsToDegrees(-1, INT_MIN, 0), -1.0 + 2147483648.0 * 0.016666666666666666);
    EXPECT_TRUE(std::isfinite(DmsToDegrees(INT_MIN, INT_MIN, INT_MIN)));
}

CityTable SampleTable() {
    CityTable table;
    table.Append({"Rome", 41, 54, 'N', 12, 29, 'E', 1.0});
    table.Append({"New York", 40, 43, 'N', 74, 0, 'W', -5.0});
    table.Append({"Greenwich", 51, 30, 'N', 0, 7, 'W', 0.0});
    table.Append({"Sydney", 33, 52, 'S', 151, 12, 'E', 10.0});
    table.Append({"Odd", -33, 52, 'S', 70, 40, 'w', 5.75});
    table.Append({"Lower", 33, 52, 's', -70, 40, 'W', -3.5});
    return table;
}

TEST(ObserverFromCity, AppliesExactlyCapitalSAndW) {
    const auto table = SampleTable();
    struct Case {
        int index;
        double latitude, longitude, timeZone;
    } const cases[] = {
        {0, 41.9, 12.483333333333333, 1.0},
        {1, 40.716666666666667, -74.0, -5.0},
        {2, 51.5, -0.11666666666666667, 0.0},
        {3, -33.866666666666667, 151.2, 10.0},
        {4, 33.866666666666667, 70.666666666666667, 5.75},  // -33 52 S is north; 'w' is east
        {5, 33.866666666666667, 70.666666666666667, -3.5},  // 's' is north; -70 40 W is east
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const auto place = SetObserverFromCity(table, c.index);
        ASSERT_TRUE(place.has_value());
        EXPECT_NEAR(place->latitude, c.latitude, 1e-12);
        EXPECT_NEAR(place->longitude, c.longitude, 1e-12);
        EXPECT_EQ(place->timeZone, c.timeZone);
    }
}

TEST(ObserverFromCity, RefusesAnIndexOutsideTheTable) {
    const auto table = SampleTable();
    EXPECT_FALSE(SetObserverFromCity(table, -1).has_value());
    EXPECT_FALSE(SetObserverFromCity(table, 6).has_value());
    EXPECT_FALSE(SetObserverFromCity(table, INT_MAX).has_value());
    EXPECT_FALSE(SetObserverFromCity(CityTable{}, 0).has_value());
    EXPECT_TRUE(SetObserverFromCity(table, 5).has_value());
}

}  // namespace
