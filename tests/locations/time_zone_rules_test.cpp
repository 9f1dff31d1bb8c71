#include "locations/core/time_zone_rules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>

#include "locations/core/place_clock.h"
#include "locations/core/utc_offset_text.h"

namespace chronel {
namespace {

constexpr double kUnixEpochJd = 2440587.5;

// Offsets of a dozen zones around their changes of 1985, 1986, 2011, 2014, 2025 and 2040 and
// at noon of days in 1750 and 1900, as Python's zoneinfo reads them from the system's tzdata
// (recipe: zone_offsets_fixture.py beside the fixture). Exact to the second.
TEST(TimeZoneRules, AgreesWithPythonZoneinfoAtEveryFixtureInstant) {
    std::ifstream file(std::string(CHRONEL_SOURCE_DIR) + "/tests/locations/zone_offsets.txt");
    ASSERT_TRUE(file) << "fixture missing";
    std::map<std::string, TimeZoneRules> zones;
    std::string line;
    int checked = 0;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        std::string zone;
        long long seconds = 0;
        int expected = 0;
        ASSERT_TRUE(in >> zone >> seconds >> expected) << line;
        auto found = zones.find(zone);
        if (found == zones.end()) {
            auto rules = TimeZoneRules::Find(zone);
            ASSERT_TRUE(rules) << zone;
            found = zones.emplace(zone, *rules).first;
        }
        EXPECT_EQ(found->second.OffsetSecondsAt(seconds), expected) << line;
        // The same through the Julian Day form, from a fresh object (no cache): the middle of
        // the second, so that the rounding of the day fraction cannot cross a change.
        const double jd = kUnixEpochJd + (seconds + 0.5) / 86400.0;
        EXPECT_DOUBLE_EQ(TimeZoneRules::Find(zone)->OffsetHoursAt(jd), expected / 3600.0) << line;
        ++checked;
    }
    EXPECT_GT(checked, 300);
}

TEST(TimeZoneRules, CacheFollowsInstantsBackAndForthAcrossAChange) {
    // London, 30 March 2025: GMT until 01:00 UT, then BST.
    const auto london = TimeZoneRules::Find("Europe/London");
    ASSERT_TRUE(london);
    const long long change = 1743296400;
    const int expected[][2] = {{-1, 0}, {0, 3600}, {-3600, 0}, {86400, 3600}, {-1, 0}};
    for (const auto& e : expected) {
        EXPECT_EQ(london->OffsetSecondsAt(change + e[0]), e[1]) << e[0];
    }
}

TEST(TimeZoneRules, FarDatesKeepTheZonesRules) {
    // Local mean time before standard time: Greenwich's -0:01:15 (tzdata: London LMT).
    const auto london = TimeZoneRules::Find("Europe/London");
    ASSERT_TRUE(london);
    const double jd1750 = 2360235.5;  // 15 July 1750 0h UT (Gregorian)
    EXPECT_EQ(london->OffsetHoursAt(jd1750) * 3600.0, -75.0);
    EXPECT_EQ(london->OffsetHoursAt(-32044.5) * 3600.0, -75.0);  // 4801 BC
    // AD 100 000 and 1 000 000 (15 July; the Gregorian calendar repeats every 400 years, so
    // these are the weekdays of 15 July 2000): summer time by the rule the zone file ends with.
    const double jd2000July = 2451740.5;
    const double days400 = 146097.0;
    EXPECT_EQ(london->OffsetHoursAt(jd2000July + 245 * days400), 1.0);
    EXPECT_EQ(london->OffsetHoursAt(jd2000July + 2495 * days400), 1.0);
    EXPECT_EQ(london->OffsetHoursAt(jd2000July + 2495 * days400 + 183), 0.0);  // January
    // Not a number reads as the earliest instant rather than anything undefined.
    EXPECT_EQ(london->OffsetHoursAt(std::numeric_limits<double>::quiet_NaN()) * 3600.0, -75.0);
}

TEST(TimeZoneRules, EveryZoneOfTheCityTableIsInTheDatabase) {
    std::ifstream file(std::string(CHRONEL_SOURCE_DIR) + "/Data/CitiesDMS.txt");
    ASSERT_TRUE(file);
    std::map<std::string, bool> known;
    std::string line;
    while (std::getline(file, line)) {
        const std::string id = line.substr(line.find_last_of(' ') + 1);
        if (known.emplace(id, false).second) known[id] = TimeZoneRules::Find(id).has_value();
        EXPECT_TRUE(known[id]) << line;
    }
    EXPECT_GT(known.size(), 300u);
}

TEST(TimeZoneRules, UnknownIdsAreReportedNotThrown) {
    for (const char* id : {"Nowhere/Atlantis", "", "../../etc/passwd", "europe/london"}) {
        EXPECT_FALSE(TimeZoneRules::Find(id)) << id;
    }
}

TEST(PlaceClock, ZoneRulesWhenKnownElseTheFixedOffset) {
    const double jdJuly2025 = 2460857.5;  // 1 July 2025 0h UT
    const PlaceClock london = ResolvePlaceClock("Europe/London", 0.0);
    EXPECT_EQ(london.zoneId, "Europe/London");
    EXPECT_FALSE(london.zoneUnknown);
    EXPECT_EQ(london.offsetAt(jdJuly2025), 1.0);

    const PlaceClock unknown = ResolvePlaceClock("Mars/Olympus_Mons", 5.5);
    EXPECT_TRUE(unknown.zoneId.empty());
    EXPECT_TRUE(unknown.zoneUnknown);
    EXPECT_EQ(unknown.offsetAt(jdJuly2025), 5.5);

    const PlaceClock none = ResolvePlaceClock("", -5.0);
    EXPECT_TRUE(none.zoneId.empty());
    EXPECT_FALSE(none.zoneUnknown);
    EXPECT_EQ(none.offsetAt(jdJuly2025), -5.0);
}

TEST(UtcOffsetText, HoursMinutesAndSecondsOnlyWhenThereAreSome) {
    const struct {
        double hours;
        const char* text;
    } cases[] = {
        {0.0, "+00:00"},          {-0.0, "+00:00"},         {1.0, "+01:00"},
        {-5.0, "-05:00"},         {5.5, "+05:30"},          {5.75, "+05:45"},
        {-3.5, "-03:30"},         {12.75, "+12:45"},        {-75 / 3600.0, "-00:01:15"},
        {20476 / 3600.0, "+05:41:16"},  // Kathmandu's local mean time
        {1.0 - 1e-9, "+01:00"},   // rounded to the second
        {std::numeric_limits<double>::infinity(), "+00:00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatUtcOffset(c.hours), c.text) << c.hours;
    }
}

}  // namespace
}  // namespace chronel
