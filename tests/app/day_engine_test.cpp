// The day engine without any window: what a query reports, across the subsystems' edge cases.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <sstream>

#include "app/core/catalogues.h"
#include "app/core/day_engine.h"
#include "app/core/day_text.h"

namespace chronel {
namespace {

const Catalogues& Shipped() {
    static const Catalogues c = [] {
        std::ostringstream errors;
        Catalogues loaded = LoadCatalogues(errors, nullptr);
        EXPECT_EQ(errors.str(), "");
        return loaded;
    }();
    return c;
}

DayPlace London() { return {{51.5 + 1 / 60.0, -(8 / 60.0), 0.0}, "London (United Kingdom)", "Europe/London"}; }

struct Case {
    const char* name;
    double jd;
    DayPlace place;
    const char* regionA;
    std::function<std::string(const DayReport&)> field;
    const char* expected;
};

// Reference values: day numbers and weekdays from the Explanatory Supplement (1992) and Meeus,
// Astronomical Algorithms, ch. 7 (JD 2451545.0 is 1 January 2000, 12h; JD 0 is 1 January 4713 BC,
// Julian, a Monday); the reform of October 1582; Easter 2026 (5 April; Orthodox 12 April); the
// new moon of 6 January 2000 at 18:14 (Meeus ch. 49); Britain's Old Style year (10 February 1750
// written is Julian 10 February 1751) and its reform of September 1752.
const Case kCases[] = {
    {"J2000 Gregorian", 2451545.0, London(), "Russia", [](auto& r) { return r.panels.gregDay + " " + std::to_string(r.panels.gregMonthItem + 1) + " " + r.panels.gregYear; }, "1 1 2000"},
    {"J2000 Julian", 2451545.0, London(), "Russia", [](auto& r) { return r.panels.julDay + " " + std::to_string(r.panels.julMonthItem + 1) + " " + r.panels.julYear; }, "19 12 1999"},
    {"J2000 weekday", 2451545.0, London(), "Russia", [](auto& r) { return r.panels.weekday; }, "Saturday"},
    {"fraction kept", 2451545.25, London(), "Russia", [](auto& r) { return r.panels.julianDay; }, "2451545.25"},
    {"MJD of the midnight", 2451545.25, London(), "Russia", [](auto& r) { return r.panels.modifiedJulianDay; }, "51544.00"},
    {"JD 0 Julian year", 0.0, London(), "Russia", [](auto& r) { return r.panels.julYear + (r.panels.julEraItem ? " AD" : " BC"); }, "4713 BC"},
    {"JD 0 weekday", 0.0, London(), "Russia", [](auto& r) { return r.panels.weekday; }, "Monday"},
    {"first Gregorian day", 2299160.5, London(), "Italy", [](auto& r) { return r.panels.julDay + "/" + r.panels.gregDay + " " + r.panels.weekday; }, "5/15 Friday"},
    {"before the range", -1e9, London(), "Russia", [](auto& r) { return r.panels.julianDay; }, "-32044.50"},
    {"after the range", 1e12, London(), "Russia", [](auto& r) { return r.panels.gregYear + " " + r.panels.gregDay; }, "1000000 31"},
    {"Easter 2026", 2461206.5, London(), "Russia", [](auto& r) { return r.easter.catholicDay + " " + r.easter.catholicMonth + ", " + r.easter.orthodoxGregorianDay + " " + r.easter.orthodoxGregorianMonth; }, "5 April, 12 April"},
    {"Easter note before 1583", 2299160.5, London(), "Russia", [](auto& r) { return std::string(r.easter.noteVisible ? "shown" : "hidden"); }, "shown"},
    {"Easter note after", 2461206.5, London(), "Russia", [](auto& r) { return std::string(r.easter.noteVisible ? "shown" : "hidden"); }, "hidden"},
    {"new moon", 2451548.5, London(), "Russia", [](auto& r) { return r.moon.texts.name + " " + r.moon.texts.date + " " + r.moon.texts.time; }, "New Moon 1/6/2000 18:14"},
    {"picture follows a negative day", -1.0, London(), "Russia", [](auto& r) { return std::to_string(r.moon.pictureResource); }, "142"},
    {"Britain's Old Style year", 2360650.5, London(), "United Kingdom", [](auto& r) { return r.localDates[0].texts.day + " " + r.localDates[0].texts.month + " " + r.localDates[0].texts.year + " " + r.localDates[0].texts.style; }, "10 February 1750 Old Style"},
    {"Britain's last Julian day", 2361220.5, London(), "United Kingdom", [](auto& r) { return r.localDates[0].texts.day + " " + r.localDates[0].texts.month; }, "2 September"},
    {"Britain after the reform", 2361221.5, London(), "United Kingdom", [](auto& r) { return r.localDates[0].texts.day + " " + r.localDates[0].texts.month + " " + r.localDates[0].texts.style; }, "14 September New Style"},
    {"unknown region", 2451545.0, London(), "Atlantis", [](auto& r) { return r.localDates[0].texts.day + r.localDates[0].texts.style; }, "----------"},
    {"polar day", 2451716.5, {{78, 15, 1}, "", ""}, "Russia", [](auto& r) { return r.riseSetTexts.sunrise + "|" + r.riseSetTexts.sunset + "|" + r.riseSetTexts.dayLength; }, " above| horizon| ----- "},
    {"polar night", 2451899.5, {{78, 15, 1}, "", ""}, "Russia", [](auto& r) { return r.riseSetTexts.sunrise + "|" + r.riseSetTexts.sunset; }, " below| horizon"},
    {"place passed through", 2451545.0, London(), "Russia", [](auto& r) { return r.place.name; }, "London (United Kingdom)"},
};

TEST(DayEngine, ReportsEachSubsystemsField) {
    for (const Case& c : kCases) {
        DayQuery q;
        q.jd = c.jd;
        q.place = c.place;
        q.regionA = c.regionA;
        EXPECT_EQ(c.field(ComputeDay(q, Shipped())), c.expected) << c.name;
    }
}

// The same query gives the same report, and a report depends on nothing but the query: computing
// other days in between changes nothing.
TEST(DayEngine, IsAPureFunctionOfItsQuery) {
    DayQuery q;
    q.jd = 2299160.5;
    q.place = London();
    const std::string first = FormatDayText(ComputeDay(q, Shipped()));
    for (double jd : {0.0, 2451545.0, 1e9}) {
        DayQuery other = q;
        other.jd = jd;
        other.regionB = "Italy";
        ComputeDay(other, Shipped());
    }
    EXPECT_EQ(FormatDayText(ComputeDay(q, Shipped())), first);
}

TEST(DayEngine, LoadingTwiceGivesTheSameTables) {
    std::ostringstream errors;
    const Catalogues again = LoadCatalogues(errors, nullptr);
    EXPECT_EQ(again.regions.size(), Shipped().regions.size());
    EXPECT_EQ(again.eras.size(), Shipped().eras.size());
    EXPECT_EQ(again.cities.size(), Shipped().cities.size());
    EXPECT_EQ(Shipped().regions.size(), 76u);
}

}  // namespace
}  // namespace chronel

namespace chronel {
namespace {

// Clock time follows the zone of the place; a zone the database does not know, typed
// coordinates (no zone) and clock time switched off all keep the fixed offset.
TEST(DayEngine, ClockTimeUsesTheZoneOnlyWhenItCan) {
    const struct {
        const char* name;
        const char* zone;
        bool clockTime;
        bool applied;
        bool unknown;
        const char* offset;
    } cases[] = {
        {"London in summer", "Europe/London", true, true, false, "+01:00"},
        {"clock time off", "Europe/London", false, false, false, "+00:00"},
        {"no zone", "", true, false, false, "+00:00"},
        {"unknown zone", "Mars/Olympus_Mons", true, false, true, "+00:00"},
    };
    for (const auto& c : cases) {
        DayQuery q;
        q.jd = 2460857.5;  // 1 July 2025
        q.place = {{51.5, -0.12, 0.0}, "London", c.zone};
        q.options.clockTime = c.clockTime;
        q.clock = ResolveDayClock(q.place);
        const DayReport r = ComputeDay(q, Shipped());
        EXPECT_EQ(r.clock.zoneApplied, c.applied) << c.name;
        EXPECT_EQ(r.clock.zoneUnknown, c.unknown) << c.name;
        EXPECT_EQ(r.clock.utcOffset, c.offset) << c.name;
    }
}

}  // namespace
}  // namespace chronel

namespace chronel {
namespace {

// A command that needs only the default city reads only its row, and starts where a window
// does: the same city, place and zone, with every row of the table still counted.
TEST(Catalogues, DefaultCityOnlyStartsWhereTheWholeTableDoes) {
    std::ostringstream errors;
    const Catalogues one = LoadCatalogues(errors, nullptr, CityNeed::DefaultCityOnly);
    EXPECT_EQ(one.cities.size(), Shipped().cities.size());
    EXPECT_EQ(StartupPlace(one), StartupPlace(Shipped()));
    EXPECT_EQ(one.startup.defaultCity, Shipped().startup.defaultCity);
    EXPECT_EQ(errors.str(), "");
}

}  // namespace
}  // namespace chronel
