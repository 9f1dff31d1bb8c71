#include "astro/core/clock_rise_set.h"

#include <gtest/gtest.h>

#include "locations/core/place_clock.h"
#include "locations/core/time_zone_rules.h"

namespace chronel {
namespace {

// London (United Kingdom) as the city table has it: 51 31 N, 0 8 W.
constexpr double kLondonLat = 51.0 + 31 / 60.0;
constexpr double kLondonLon = -(8 / 60.0);
constexpr double kMinute = 1.0 / 60.0;

ClockRiseSet AtZone(const char* zone, int y, int m, int d, double lon, double lat) {
    const auto rules = TimeZoneRules::Find(zone);
    EXPECT_TRUE(rules) << zone;
    return ComputeClockRiseSet(y, m, d, lon, lat, ClockOf(*rules), zone);
}

void ExpectSameTexts(const RiseSetTexts& a, const RiseSetTexts& b) {
    EXPECT_EQ(a.sunrise, b.sunrise);
    EXPECT_EQ(a.sunset, b.sunset);
    EXPECT_EQ(a.dayLength, b.dayLength);
    EXPECT_EQ(a.moonrise, b.moonrise);
    EXPECT_EQ(a.moonset, b.moonset);
}

void ExpectSameSearch(const RiseSetSearch& a, const RiseSetSearch& b) {
    EXPECT_EQ(a.rise, b.rise);  // bit for bit
    EXPECT_EQ(a.set, b.set);
    EXPECT_EQ(a.above, b.above);
}

TEST(ClockRiseSet, FixedOffsetGivesExactlyTheFixedOffsetComputation) {
    const struct {
        int y, m, d;
        double lat, lon, zone;
        const char* offsetText;
    } cases[] = {
        {2000, 1, 1, 51.5, 0.0, 0, "+00:00"},     {2000, 1, 1, 40.7, -74.0, -5, "-05:00"},
        {2000, 6, 21, 69.65, 18.95, 1, "+01:00"},  {2000, 12, 21, 69.65, 18.95, 1, "+01:00"},
        {2009, 3, 15, 52.5, 13.4, 1, "+01:00"},    {2025, 7, 1, 27.7, 85.3, 5.75, "+05:45"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offsetText);
        const RiseSetResult fixed = ComputeRiseSet(c.y, c.m, c.d, c.lon, c.lat, c.zone);
        const ClockRiseSet r =
            ComputeClockRiseSet(c.y, c.m, c.d, c.lon, c.lat, FixedUtcOffset(c.zone), "");
        ExpectSameTexts(r.texts, FormatRiseSetTexts(fixed));
        for (const RiseSetResult* got : {&r.instants, &r.clock}) {
            ExpectSameSearch(got->moon, fixed.moon);
            ExpectSameSearch(got->sun, fixed.sun);
            ExpectSameSearch(got->twilight, fixed.twilight);
        }
        EXPECT_EQ(r.searchOffsetHours, c.zone);
        EXPECT_EQ(r.offsetText, c.offsetText);
    }
}

TEST(ClockRiseSet, SummerTimeShowsTheSameEventsOneHourLater) {
    // Offsets by tzdata: London BST (+1) on 1 July, Sydney AEDT (+11) on 15 January; the
    // fixed offsets are the cities' standard time.
    const struct {
        const char* zone;
        int y, m, d;
        double lat, lon, standard;
        const char* offsetText;
    } cases[] = {
        {"Europe/London", 2025, 7, 1, kLondonLat, kLondonLon, 0, "Europe/London, +01:00"},
        {"Australia/Sydney", 2025, 1, 15, -33.0 - 52 / 60.0, 151.0 + 13 / 60.0, 10,
         "Australia/Sydney, +11:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        const ClockRiseSet clock = AtZone(c.zone, c.y, c.m, c.d, c.lon, c.lat);
        const ClockRiseSet fixed = ComputeClockRiseSet(c.y, c.m, c.d, c.lon, c.lat,
                                                       FixedUtcOffset(c.standard), "");
        EXPECT_EQ(clock.offsetText, c.offsetText);
        EXPECT_EQ(clock.searchOffsetHours, c.standard + 1);
        // The hour-long shift of the searched day moves the samples, so the interpolated
        // times agree to well within a minute rather than to the bit.
        EXPECT_NEAR(*clock.clock.sun.rise, *fixed.clock.sun.rise + 1, kMinute);
        EXPECT_NEAR(*clock.clock.sun.set, *fixed.clock.sun.set + 1, kMinute);
        EXPECT_NEAR(*clock.clock.moon.rise, *fixed.clock.moon.rise + 1, kMinute);
    }
}

TEST(ClockRiseSet, TheClockDayHoldsTheMoonsetOfTheEveningBeforeInUniversalTime) {
    // 1 July 2025 at London's clocks runs from 23:00 UT on 30 June: it holds the moonset at
    // about 23:05 UT that day, not the one at 23:15 UT of 1 July, which is 00:15 on 2 July.
    const ClockRiseSet july1 = AtZone("Europe/London", 2025, 7, 1, kLondonLon, kLondonLat);
    const ClockRiseSet june30Ut =
        ComputeClockRiseSet(2025, 6, 30, kLondonLon, kLondonLat, FixedUtcOffset(0), "");
    EXPECT_NEAR(*july1.clock.moon.set, *june30Ut.clock.moon.set + 1 - 24, kMinute);
}

TEST(ClockRiseSet, WinterInLondonIsTheFixedOffsetComputation) {
    const ClockRiseSet clock = AtZone("Europe/London", 2025, 1, 15, kLondonLon, kLondonLat);
    const ClockRiseSet fixed =
        ComputeClockRiseSet(2025, 1, 15, kLondonLon, kLondonLat, FixedUtcOffset(0), "");
    ExpectSameTexts(clock.texts, fixed.texts);
    EXPECT_EQ(clock.offsetText, "Europe/London, +00:00");
}

TEST(ClockRiseSet, London1750KeepsLocalMeanTime) {
    // tzdata: Europe/London is LMT -0:01:15 until 1 December 1847.
    const ClockRiseSet clock = AtZone("Europe/London", 1750, 7, 1, kLondonLon, kLondonLat);
    EXPECT_EQ(clock.searchOffsetHours * 3600, -75.0);
    EXPECT_EQ(clock.offsetText, "Europe/London, -00:01:15");
    ExpectSameTexts(clock.texts, FormatRiseSetTexts(ComputeRiseSet(
                                     1750, 7, 1, kLondonLon, kLondonLat, -75 / 3600.0)));
}

TEST(ClockRiseSet, OnChangeDaysEachEventReadsAsTheClocksThenDid) {
    // tzdata: London's clocks go back at 01:00 UT on 31 October 2021 and forward at 01:00 UT
    // on 31 March 2024. Fixed-offset (UT) times of the same events for comparison.
    const struct {
        int y, m, d;
        const char* offsetText;
        double moonriseShift, sunriseShift;  // hours the clocks then stood ahead of UT
    } cases[] = {
        // Moonrise 00:33 UT, before the change: 01:33 BST; sunrise after it, in GMT.
        {2021, 10, 31, "Europe/London, +01:00 / +00:00", 1, 0},
        // Moonrise 01:01 UT, just after the change: 02:01 BST; sunrise in BST too.
        {2024, 3, 31, "Europe/London, +00:00 / +01:00", 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offsetText);
        const ClockRiseSet clock = AtZone("Europe/London", c.y, c.m, c.d, kLondonLon, kLondonLat);
        const ClockRiseSet ut =
            ComputeClockRiseSet(c.y, c.m, c.d, kLondonLon, kLondonLat, FixedUtcOffset(0), "");
        EXPECT_EQ(clock.offsetText, c.offsetText);
        EXPECT_NEAR(*clock.clock.moon.rise, *ut.clock.moon.rise + c.moonriseShift, kMinute);
        EXPECT_NEAR(*clock.clock.sun.rise, *ut.clock.sun.rise + c.sunriseShift, kMinute);
        // The day length is the time between the instants, not between the clock readings.
        EXPECT_NEAR(*clock.instants.sun.set - *clock.instants.sun.rise,
                    *ut.instants.sun.set - *ut.instants.sun.rise, kMinute);
    }
}

TEST(ClockRiseSet, DayLengthIsTheTimeBetweenTheInstants) {
    // Clocks that go forward one hour at 10:00 UT on 15 March 2009, between sunrise and
    // sunset at Berlin: sunrise reads at +00:00, sunset at +01:00, the day stays as long.
    const double changeJd = 2454905.5 + 10 / 24.0;
    const UtcOffsetAt clocks = [changeJd](double jd) { return jd < changeJd ? 0.0 : 1.0; };
    const ClockRiseSet r = ComputeClockRiseSet(2009, 3, 15, 13.4, 52.5, clocks, "");
    const RiseSetResult ut = ComputeRiseSet(2009, 3, 15, 13.4, 52.5, 0.0);
    EXPECT_EQ(r.offsetText, "+00:00 / +01:00");
    EXPECT_NEAR(*r.clock.sun.rise, *ut.sun.rise, kMinute);
    EXPECT_NEAR(*r.clock.sun.set, *ut.sun.set + 1, kMinute);
    EXPECT_EQ(FormatRiseSetTexts(ut).dayLength, "11:50");
    EXPECT_EQ(r.texts.dayLength, "11:50");
}

TEST(ClockRiseSet, TheDayIsSearchedWithTheOffsetOfItsLocalNoon) {
    // Synthetic clocks that change at one instant on 15 March 2009; the searched day takes the
    // offset in force at local noon, found however the change falls around it.
    const double day = 2454905.5;  // 15 March 2009 0h UT
    const struct {
        double changeUtHours, before, after, expected;
        const char* what;
    } cases[] = {
        {10, 0, 1, 1, "before noon"},
        {14, 0, 1, 0, "after noon"},
        {11, 1, 0, 0, "back across noon: 12:00 at +1 is 11:00 UT, the change"},
        {12, 0, 1, 1, "forward across noon: 12:00 is skipped, the later offset"},
        {6, 5.75, 5.5, 5.5, "a change of standard offset: noon is 06:30 UT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const double change = day + c.changeUtHours / 24.0;
        const UtcOffsetAt clocks = [&](double jd) { return jd < change ? c.before : c.after; };
        EXPECT_EQ(ComputeClockRiseSet(2009, 3, 15, 13.4, 52.5, clocks, "").searchOffsetHours,
                  c.expected);
    }
}

TEST(ClockRiseSet, AnUnknownZoneKeepsTheFixedOffsetAndSaysSo) {
    const PlaceClock place = ResolvePlaceClock("Europe/Atlantis", 1.0);
    EXPECT_TRUE(place.zoneUnknown);
    const ClockRiseSet r =
        ComputeClockRiseSet(2009, 3, 15, 13.4, 52.5, place.offsetAt, place.zoneId);
    ExpectSameTexts(r.texts, FormatRiseSetTexts(ComputeRiseSet(2009, 3, 15, 13.4, 52.5, 1.0)));
    EXPECT_EQ(r.offsetText, "+01:00");
}

}  // namespace
}  // namespace chronel
