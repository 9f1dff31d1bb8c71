// Checks on the city table that ships in Data/.

#include <cmath>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "locations/core/city_table.h"
#include "locations/core/default_city.h"
#include "locations/core/observer_place.h"

using namespace chronel;

namespace {

const std::string kDataDir = std::string(CHRONEL_SOURCE_DIR) + "/Data/";

class ShippedCities : public testing::Test {
protected:
    static void SetUpTestSuite() {
        load_ = LoadCityTable(kDataDir + "CitiesDMS.txt", table_, nullptr);
    }
    static int Find(const std::string& name) {
        for (std::size_t i = 0; i < table_.size(); ++i)
            if (table_.cityNames[i] == name) return static_cast<int>(i);
        return -1;
    }
    static CityTable table_;
    static CityLoadResult load_;
};
CityTable ShippedCities::table_;
CityLoadResult ShippedCities::load_;

TEST_F(ShippedCities, EveryLineIsACityWithSoundValues) {
    ASSERT_TRUE(load_.opened);
    EXPECT_EQ(load_.linesUnusable, 0u);
    EXPECT_GE(table_.size(), 500u);
    EXPECT_LE(table_.size(), 5000u);
    for (std::size_t i = 0; i < table_.size(); ++i) {
        const auto row = table_.Row(i);
        SCOPED_TRACE(testing::Message() << "row " << i << " " << row.name);
        ASSERT_FALSE(row.name.empty());
        EXPECT_EQ(row.name.find_first_not_of(
                      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz .,'()-"),
                  std::string::npos);
        EXPECT_NE(row.name.front(), ' ');
        EXPECT_NE(row.name.back(), ' ');
        EXPECT_TRUE(row.latDeg >= 0 && row.latDeg <= 90 && row.latMin >= 0 && row.latMin < 60);
        EXPECT_TRUE(row.lonDeg >= 0 && row.lonDeg <= 180 && row.lonMin >= 0 && row.lonMin < 60);
        EXPECT_TRUE(row.latLetter == 'N' || row.latLetter == 'S');
        EXPECT_TRUE(row.lonLetter == 'E' || row.lonLetter == 'W');
        EXPECT_TRUE(row.timeZone >= -12 && row.timeZone <= 14);
        EXPECT_EQ(std::fmod(row.timeZone * 4, 1.0), 0.0);  // whole quarter hours
        EXPECT_NE(row.zone.find('/'), std::string::npos) << row.zone;  // an Area/Place id
    }
    EXPECT_EQ(table_.Row(kBuiltInDefaultCity).zone, "Europe/London");
}

TEST_F(ShippedCities, NamesAreUniqueSoEveryRowCanBePicked) {
    // The Locations list finds a picked name's first row: a repeated name hides a city.
    std::set<std::string> names(table_.cityNames.begin(), table_.cityNames.end());
    EXPECT_EQ(names.size(), table_.size());
}

TEST_F(ShippedCities, DefaultIsRow132London) {
    const auto file = ReadDefaultCityFile(kDataDir + "DefaultLoc.txt");
    ASSERT_EQ(file.state, DefaultCityFile::State::Number);
    EXPECT_EQ(file.number, kBuiltInDefaultCity);
    const auto start = ChooseStartupLocation(table_, file);
    EXPECT_EQ(start.defaultCity, 132);
    EXPECT_EQ(start.cityName, "London (United Kingdom)");
    EXPECT_NEAR(start.observer.latitude, 51.5, 0.05);
    EXPECT_NEAR(start.observer.longitude, -0.13, 0.05);
    EXPECT_EQ(start.observer.timeZone, 0.0);
}

TEST_F(ShippedCities, WellKnownCitiesHaveTheirPlaceAndStandardTime) {
    struct Case {
        const char* name;
        double latitude, longitude, timeZone;
    } const cases[] = {
        {"Rome", 41.89, 12.51, 1},           {"New Delhi", 28.64, 77.22, 5.5},
        {"Kathmandu", 27.70, 85.32, 5.75},   {"St. John's", 47.56, -52.71, -3.5},
        {"New York City", 40.71, -74.01, -5}, {"Tokyo", 35.69, 139.69, 9},
        {"Sydney", -33.87, 151.21, 10},      {"Adelaide", -34.93, 138.60, 9.5},
        {"Tehran", 35.69, 51.42, 3.5},       {"Kabul", 34.53, 69.17, 4.5},
        {"Yangon", 16.81, 96.16, 6.5},       {"Caracas", 10.49, -66.88, -4},
        {"Sao Paulo", -23.55, -46.64, -3},   {"Honolulu", 21.31, -157.86, -10},
        {"Anchorage", 61.22, -149.90, -9},   {"Reykjavik", 64.14, -21.90, 0},
        {"Dublin", 53.33, -6.25, 0},         {"Casablanca", 33.59, -7.62, 1},
        {"Moscow", 55.75, 37.62, 3},         {"Apia", -13.83, -171.77, 13},
        {"Cape Town", -33.93, 18.42, 2},     {"Punta Arenas", -53.16, -70.92, -3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int index = Find(c.name);
        ASSERT_GE(index, 0);
        const auto place = SetObserverFromCity(table_, index);
        EXPECT_NEAR(place->latitude, c.latitude, 0.05);
        EXPECT_NEAR(place->longitude, c.longitude, 0.05);
        EXPECT_EQ(place->timeZone, c.timeZone);
    }
}

}  // namespace
