#include "astro/core/almanac_texts.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calendar/day_numbers.h"

namespace chronel {
namespace {

TEST(AlmanacTexts, InstantsRoundToTheNearestMinute) {
    struct Case {
        double jd;
        const char* ut;
        const char* clock;
    };
    const Case cases[] = {
        {2451545.0, "2000-01-01T12:00Z", "2000-01-01 12:00"},
        {2451544.5 + 29.4 / 86400, "2000-01-01T00:00Z", "2000-01-01 00:00"},
        {2451544.5 + 30.1 / 86400, "2000-01-01T00:01Z", "2000-01-01 00:01"},
        // 23:59:40 rounds into the next day, month and year.
        {2451544.5 - 20.0 / 86400, "2000-01-01T00:00Z", "2000-01-01 00:00"},
        {2451544.5 - 40.0 / 86400, "1999-12-31T23:59Z", "1999-12-31 23:59"},
        // Gregorian, astronomical year: AD 1, year 0 (1 BC) and -1 (2 BC).
        {1721425.5, "0001-01-01T00:00Z", "0001-01-01 00:00"},
        {1721059.5, "0000-01-01T00:00Z", "0000-01-01 00:00"},
        {1720694.5 + 0.75, "-0001-01-01T18:00Z", "-0001-01-01 18:00"},
        {GregorianToJD(31, 12, 12345) + 0.5, "12345-12-31T12:00Z", "12345-12-31 12:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatUtInstant(c.jd), c.ut) << c.jd;
        EXPECT_EQ(FormatClockInstant(c.jd), c.clock) << c.jd;
    }
}

TEST(AlmanacTexts, EventRowsShowTheClockTimeOrTheState) {
    const double midnight = GregorianToJD(21, 6, 2026);
    struct Case {
        AlmanacEvent event;
        const char* text;
    };
    const auto at = [midnight](double hours) {
        return AlmanacEvent{EventState::kHappens,
                            AlmanacInstant{midnight + hours / 24 - 1.0 / 24, midnight + hours / 24}};
    };
    const Case cases[] = {
        {at(4 + 42.49 / 60), "04:42"},
        {at(4 + 42.51 / 60), "04:43"},
        {at(23 + 59.8 / 60), "24:00"},  // the day's last moment, as the main window shows it
        {at(0.1 / 60), "00:00"},
        {at(25 + 10.0 / 60), "01:10"},  // a reading past the day (a clock that changed)
        {{EventState::kNone, std::nullopt}, "none"},
        {{EventState::kAlwaysAbove, std::nullopt}, "always above"},
        {{EventState::kAlwaysBelow, std::nullopt}, "always below"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatEvent(c.event, midnight), c.text);
}

TEST(AlmanacTexts, MoonLookInWords) {
    struct Case {
        double percent;
        bool waxing;
        const char* text;
    };
    const Case cases[] = {
        {0.4, true, "New Moon, 0.4 % lit"},          {23.4, true, "Waxing crescent, 23.4 % lit"},
        {50.2, true, "First quarter, 50.2 % lit"},   {77.0, true, "Waxing gibbous, 77.0 % lit"},
        {99.6, false, "Full Moon, 99.6 % lit"},      {60.0, false, "Waning gibbous, 60.0 % lit"},
        {45.0, false, "Last quarter, 45.0 % lit"},   {12.25, false, "Waning crescent, 12.2 % lit"},
    };
    for (const Case& c : cases) EXPECT_EQ(MoonLookDescription(c.percent, c.waxing), c.text);
}

TEST(AlmanacTexts, ADayAtGreenwichInSummerTime) {
    const Almanac a = ComputeAlmanac(2026, 6, 21, 51.4769, 0.0, 1.0, FixedUtcOffset(1.0));
    const AlmanacTexts t = FormatAlmanacTexts(a);
    EXPECT_EQ(t.date, "2026-06-21");
    // astronomy-engine 2.1.19 gives 04:42.8 and 21:20.8 (UT + 1), noon 13:01.8.
    EXPECT_EQ(t.sunrise, "04:43");
    EXPECT_EQ(t.solarNoon, "13:02");
    EXPECT_EQ(t.sunset, "21:21");
    EXPECT_EQ(t.astronomicalDawn, "always above");
    EXPECT_EQ(t.dayLength, "16:39");
    ASSERT_TRUE(t.solarNoonAltitude.has_value());
    EXPECT_DOUBLE_EQ(*t.solarNoonAltitude * 10, std::round(*t.solarNoonAltitude * 10));
    EXPECT_EQ(t.nextSeasonName, "June solstice");
    EXPECT_EQ(t.nextSeasonUt, "2026-06-21T08:25Z");
    // The first quarter falls on the day (21:56 UT): the new moon before it, the full moon and
    // last quarter after.
    ASSERT_EQ(t.phases.size(), 4u);
    EXPECT_EQ(t.phases[0].phase, "New Moon");
    EXPECT_EQ(t.phases[1].phase, "First Quarter");
    // The local text is the UT text an hour on, in its own format.
    EXPECT_EQ(t.phases[1].ut.substr(0, 10), t.phases[1].local.substr(0, 10));
    EXPECT_EQ(t.phases[1].local.size(), 16u);
    EXPECT_TRUE(t.moonWaxing);
}

}  // namespace
}  // namespace chronel
