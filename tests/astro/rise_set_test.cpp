#include "astro/core/rise_set.h"

#include <gtest/gtest.h>

#include <sstream>

#include "astro/core/rise_set_texts.h"
#include "astro/core/rise_set_trace.h"

namespace chronel {
namespace {

struct Place {
    int year, month, day;
    double latitude, longitude, timeZone;
};

RiseSetTexts TextsFor(const Place& p) {
    return FormatRiseSetTexts(
        ComputeRiseSet(p.year, p.month, p.day, p.longitude, p.latitude, p.timeZone));
}

TEST(RiseSet, FieldTextsOfFivePlaces) {
    struct Case {
        const char* what;
        Place place;
        RiseSetTexts expected;  // sunrise, sunset, day length, moonrise, moonset
    };
    const Case cases[] = {
        {"London, 1 January 2000", {2000, 1, 1, 51.5, 0.0, 0},
         {"08:06", "16:01", "07:55", "02:40", "13:12"}},
        {"New York, 1 January 2000", {2000, 1, 1, 40.7, -74.0, -5},
         {"07:20", "16:39", "09:19", "02:32", "13:33"}},
        {"Tromso, midnight sun", {2000, 6, 21, 69.65, 18.95, 1},
         {" above", " horizon", " ----- ", "01:10", "04:57"}},
        {"Tromso, polar night", {2000, 12, 21, 69.65, 18.95, 1},
         {" below", " horizon", " ----- ", "03:58", "12:19"}},
        // The Moon sets in the morning and rises only after midnight.
        {"Berlin, 15 March 2009", {2009, 3, 15, 52.5, 13.4, 1},
         {"06:21", "18:11", "11:50", " ----- ", "07:18"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RiseSetTexts t = TextsFor(c.place);
        EXPECT_EQ(t.sunrise, c.expected.sunrise);
        EXPECT_EQ(t.sunset, c.expected.sunset);
        EXPECT_EQ(t.dayLength, c.expected.dayLength);
        EXPECT_EQ(t.moonrise, c.expected.moonrise);
        EXPECT_EQ(t.moonset, c.expected.moonset);
    }
}

TEST(RiseSet, PolarDaysHaveNoSunEventsButKnowWhereTheSunIs) {
    const RiseSetResult summer = ComputeRiseSet(2000, 6, 21, 18.95, 69.65, 1);
    EXPECT_FALSE(summer.sun.rise || summer.sun.set);
    EXPECT_TRUE(summer.sun.above);
    EXPECT_TRUE(summer.twilight.above);  // never darker than nautical twilight

    const RiseSetResult winter = ComputeRiseSet(2000, 12, 21, 18.95, 69.65, 1);
    EXPECT_FALSE(winter.sun.rise || winter.sun.set);
    EXPECT_FALSE(winter.sun.above);
    // At noon the Sun stands about 3 degrees below the horizon, so it passes -12 degrees.
    EXPECT_TRUE(winter.twilight.rise && winter.twilight.set);
    EXPECT_LT(*winter.twilight.rise, 12.0);
    EXPECT_GT(*winter.twilight.set, 12.0);
}

TEST(RiseSet, MoonSetsButDoesNotRise) {
    const RiseSetResult r = ComputeRiseSet(2009, 3, 15, 13.4, 52.5, 1);
    EXPECT_FALSE(r.moon.rise.has_value());
    ASSERT_TRUE(r.moon.set.has_value());
    EXPECT_NEAR(*r.moon.set, 7.3, 0.05);
    EXPECT_TRUE(r.moon.above);  // up at midnight, then sets
}

TEST(RiseSet, DayLengthWhenTheSetComesFirstOnTheClock) {
    // Far from the zone's meridian the clock day can start in daylight: on the equator at 175 E
    // kept on UTC the Sun sets in the morning and rises again in the evening.
    const RiseSetResult r = ComputeRiseSet(2000, 3, 20, 175.0, 0.0, 0);
    ASSERT_TRUE(r.sun.rise && r.sun.set);
    ASSERT_LT(*r.sun.set, *r.sun.rise);
    const RiseSetTexts t = FormatRiseSetTexts(r);
    // About twelve hours, counted across midnight (set - rise + 24).
    EXPECT_EQ(t.dayLength.substr(0, 3), "12:") << t.dayLength;
}

TEST(RiseSet, TextsOfEveryOutcome) {
    // Built by hand: each combination of found and missing events of one search.
    struct Case {
        const char* what;
        RiseSetSearch search;
        const char* rise;
        const char* set;
        const char* dayLength;
    };
    const Case cases[] = {
        {"both", {6.5, 18.25, false}, "06:30", "18:15", "11:45"},
        {"rise only", {6.5, std::nullopt, false}, "06:30", " ----- ", " ----- "},
        {"set only", {std::nullopt, 18.25, true}, " ----- ", "18:15", " ----- "},
        {"neither, above", {std::nullopt, std::nullopt, true}, " above", " horizon", " ----- "},
        {"neither, below", {std::nullopt, std::nullopt, false}, " below", " horizon", " ----- "},
        {"set before rise", {20.0, 4.0, true}, "20:00", "04:00", "08:00"},
        {"end of the day", {0.0, 23.9999, false}, "00:00", "24:00", "24:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RiseSetResult r;
        r.sun = c.search;
        r.moon = c.search;
        const RiseSetTexts t = FormatRiseSetTexts(r);
        EXPECT_EQ(t.sunrise, c.rise);
        EXPECT_EQ(t.sunset, c.set);
        EXPECT_EQ(t.dayLength, c.dayLength);
        EXPECT_EQ(t.moonrise, c.rise);
        EXPECT_EQ(t.moonset, c.set);
    }
}

TEST(RiseSet, TraceLines) {
    RiseSetResult r;
    r.moon = {std::nullopt, std::nullopt, true};      // Moon: nothing after the raw times
    r.sun = {8.1, std::nullopt, false};               // a rise and a missing set
    r.twilight = {std::nullopt, std::nullopt, false}; // always dark
    std::ostringstream out;
    WriteRiseSetTrace(out, 2000, 1, 1, -74.0, 40.7, -5, r);
    EXPECT_EQ(out.str(),
              "   Rise and set for Sun and Moon\n"
              "   =============================\n"
              "   Year (yyyy) - - - - - - - - :2000\n"
              "   Month  (mm) - - - - - - - - :1\n"
              "   Day    (dd) - - - - - - - - :1\n"
              "   Time zone (East +) - - - -  :-5\n"
              "   Longitude (w neg, decimals) :-74\n"
              "   Latitude  (n pos, decimals) :40.7\n"
              "   utrise: 0\n"
              "   utset:0\n"
              "   utrise: 8.1\n"
              "   utset:0\n"
              "806\n"
              "    ----\n"
              "   utrise: 0\n"
              "   utset:0\n"
              "    always dark\n");

    r.moon = {2.6789, 13.2, false};
    r.sun = {std::nullopt, std::nullopt, true};
    r.twilight = {std::nullopt, std::nullopt, true};
    std::ostringstream more;
    WriteRiseSetTrace(more, 2000, 6, 21, 18.95, 69.65, 1, r);
    const std::string text = more.str();
    EXPECT_NE(text.find("   utrise: 2.6789\n   utset:13.2\n241\n1312\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("    always above horizon\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    always bright\n"), std::string::npos) << text;
}

TEST(RiseSet, TraceOfARealDayMatchesItsResult) {
    const RiseSetResult r = ComputeRiseSet(2009, 3, 15, 13.4, 52.5, 1);
    std::ostringstream out;
    WriteRiseSetTrace(out, 2009, 3, 15, 13.4, 52.5, 1, r);
    // Moon: no rise, a set at 07:18; Sun: 06:21 and 18:11.
    EXPECT_NE(out.str().find("\n    ----\n718\n   utrise: "), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\n621\n1811\n"), std::string::npos) << out.str();
}

}  // namespace
}  // namespace chronel
