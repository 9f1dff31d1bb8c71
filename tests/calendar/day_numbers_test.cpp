#include "calendar/day_numbers.h"

#include <chrono>
#include <cstdint>

#include <gtest/gtest.h>

using namespace chronel;

namespace {

struct DateCase {
    int day, month, year;
    double jd;
};

TEST(DayNumbers, KnownGregorianDates) {
    const DateCase cases[] = {
        {1, 1, 2000, 2451544.5},   {15, 10, 1582, 2299160.5}, {24, 11, -4713, -0.5},
        {1, 1, 0, 1721059.5},      {1, 1, 1, 1721425.5},      {31, 12, 0, 1721424.5},
        {1, 3, -4800, -32044.5},   {17, 11, 1858, 2400000.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << "/" << c.month << "/" << c.year);
        EXPECT_EQ(GregorianToJD(c.day, c.month, c.year), c.jd);
        EXPECT_EQ(JDToGregorian(c.jd), (CalendarDate{c.day, c.month, c.year}));
    }
    EXPECT_EQ(GregorianToMJD(1, 1, 2000), 51544.0);
    EXPECT_EQ(GregorianToMJD(17, 11, 1858), 0.0);
}

TEST(DayNumbers, KnownJulianDatesUseHistoricalYears) {
    const DateCase cases[] = {
        {5, 10, 1582, 2299160.5}, {4, 10, 1582, 2299159.5}, {1, 1, -4713, -0.5},
        {1, 1, -1, 1721057.5},    {1, 1, 1, 1721423.5},     {31, 12, -1, 1721422.5},
        {3, 1, -1, 1721059.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << "/" << c.month << "/" << c.year);
        EXPECT_EQ(JulianToJD(c.day, c.month, c.year), c.jd);
        EXPECT_EQ(JDToJulian(c.jd), (CalendarDate{c.day, c.month, c.year}));
    }
    EXPECT_EQ(JulianToJD(1, 1, 0), 1721057.5);  // year 0 is read as 1 BC
}

TEST(DayNumbers, FractionOfADayStaysInThatDay) {
    EXPECT_EQ(JDToGregorian(2451544.4), (CalendarDate{31, 12, 1999}));
    EXPECT_EQ(JDToGregorian(2451545.49), (CalendarDate{1, 1, 2000}));
    EXPECT_EQ(JDToJulian(2451544.5 + 0.99), (CalendarDate{19, 12, 1999}));
}

TEST(DayNumbers, LeapYearRules) {
    for (int y : {2000, 0, -4, -400, 2012, 1600}) EXPECT_TRUE(IsGregorianLeap(y)) << y;
    for (int y : {1900, -100, -1, 2001, 1700}) EXPECT_FALSE(IsGregorianLeap(y)) << y;
    for (int y : {4, 1900, -1, -5}) EXPECT_TRUE(IsJulianLeap(y)) << y;
    for (int y : {1, -4, 2001}) EXPECT_FALSE(IsJulianLeap(y)) << y;
    EXPECT_EQ(GregorianMonthLength(2, 1900), 28);
    EXPECT_EQ(JulianMonthLength(2, 1900), 29);
}

TEST(DayNumbers, DayOfWeekStaysInRangeEverywhere) {
    EXPECT_EQ(DayOfWeek(1, 1, 2000), 6);
    EXPECT_EQ(DayOfWeek(17, 11, 1858), 3);
    // JDN 0 (24 Nov 4714 BC) is a Monday; days before it keep counting backwards.
    EXPECT_EQ(DayOfWeek(24, 11, -4713), 1);
    EXPECT_EQ(DayOfWeek(23, 11, -4713), 0);
    EXPECT_EQ(DayOfWeek(1, 3, -4800), (DayOfWeek(8, 3, -4800)));
    for (int y : {-4800, -4714, -1, 0, 1000000}) {
        const int w = DayOfWeek(1, 1, y);
        EXPECT_GE(w, 0);
        EXPECT_LE(w, 6);
    }
}

TEST(DayNumbers, FloorMod) {
    EXPECT_EQ(FloorMod(-1, 7), 6);
    EXPECT_NEAR(FloorMod(-370, 360), 350, 1e-9);
    EXPECT_EQ(FloorMod(8.5, 7), 1.4999999999999993);
}

TEST(DayNumbers, ClampKeepsDaysInsideTheSupportedRange) {
    const double last = GregorianToJD(31, 12, 1000000);
    EXPECT_EQ(MaxSupportedJD(), last);
    EXPECT_LT(JDToJulian(last).year, 1000000);  // the Julian calendar lags behind
    EXPECT_EQ(ClampToSupportedRange(2451544.5), 2451544.5);
    EXPECT_EQ(ClampToSupportedRange(-1e300), kMinSupportedJD);
    EXPECT_EQ(ClampToSupportedRange(-32045.0), kMinSupportedJD);
    EXPECT_EQ(ClampToSupportedRange(0.0 / 0.0), kMinSupportedJD);
    EXPECT_EQ(ClampToSupportedRange(1e300), last);
    EXPECT_EQ(ClampToSupportedRange(last + 0.75), last + 0.75);
    EXPECT_EQ(ClampToSupportedRange(last + 1.0), last);
    // Huge years give exact (64-bit) day numbers that the clamp then brings back.
    EXPECT_GT(GregorianToJD(1, 1, 2147483647), last);
    EXPECT_LT(GregorianToJD(1, 1, -2147483647 - 1), kMinSupportedJD);
}

// Every midnight of the supported range survives a round trip in both calendars, and the
// Gregorian side agrees with the standard library's civil calendar.
TEST(DayNumbers, RoundTripsOverTheWholeRange) {
    using namespace std::chrono;
    const double first = kMinSupportedJD, last = MaxSupportedJD();
    // std::chrono::sys_days counts from 1970-01-01 = JD 2440587.5.
    const std::int64_t unixEpochJdn = 2440588;
    for (double jd = first; jd <= last; jd += 1.0) {
        const CalendarDate g = JDToGregorian(jd);
        const CalendarDate j = JDToJulian(jd);
        if (GregorianToJD(g.day, g.month, g.year) != jd || JulianToJD(j.day, j.month, j.year) != jd ||
            j.year == 0) {
            FAIL() << "round trip fails at JD " << jd;
        }
        if (g.year >= -32767 && g.year <= 32767) {
            const auto ymd = year_month_day{sys_days{days{static_cast<std::int64_t>(jd + 0.5) - unixEpochJdn}}};
            if (static_cast<int>(ymd.year()) != g.year || static_cast<unsigned>(ymd.month()) != unsigned(g.month) ||
                static_cast<unsigned>(ymd.day()) != unsigned(g.day))
                FAIL() << "disagrees with std::chrono at JD " << jd;
        }
    }
}

}  // namespace
