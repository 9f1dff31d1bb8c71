#include "locations/core/default_city.h"

#include <string>

#include <gtest/gtest.h>

#include "temp_folder.h"

using namespace chronel;
using chronel::testing_support::TempFolder;
using chronel::testing_support::WriteFile;
using State = DefaultCityFile::State;

namespace {

TEST(DefaultCityFileRead, ReadsTheFirstInteger) {
    TempFolder folder;
    struct Case {
        const char* text;
        State state;
        int number;
    } const cases[] = {
        {"57", State::Number, 57},
        {"   57\n", State::Number, 57},
        {"\r\n\t 57 \r\n", State::Number, 57},
        {"57 12", State::Number, 57},
        {"57abc", State::Number, 57},
        {"+8", State::Number, 8},
        {"-3", State::Number, -3},
        {"0", State::Number, 0},
        {"", State::NotANumber, 0},
        {"  \n", State::NotANumber, 0},
        {"abc", State::NotANumber, 0},
        {"- 5", State::NotANumber, 0},
        {"99999999999", State::NotANumber, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
        WriteFile(folder / "DefaultLoc.txt", c.text);
        const auto read = ReadDefaultCityFile(folder / "DefaultLoc.txt");
        EXPECT_EQ(read.state, c.state);
        if (c.state == State::Number) {
            EXPECT_EQ(read.number, c.number);
        }
    }
    EXPECT_EQ(ReadDefaultCityFile(folder / "absent.txt").state, State::Missing);
}

CityTable TableOf(int rows) {
    CityTable table;
    for (int i = 0; i < rows; ++i)
        table.Append({"City " + std::to_string(i), i % 90, 30, 'S', i % 180, 15, 'W', -(i % 12) * 1.0});
    return table;
}

TEST(StartupLocation, UsesTheStoredRowOrTheBuiltInOne) {
    const auto table = TableOf(200);
    const auto stored = ChooseStartupLocation(table, {State::Number, 57});
    EXPECT_TRUE(stored.hasCity);
    EXPECT_EQ(stored.defaultCity, 57);
    EXPECT_EQ(stored.selectedCity, 57);  // a save before any pick keeps the city shown
    EXPECT_EQ(stored.cityName, "City 57");
    EXPECT_EQ(stored.observer, *SetObserverFromCity(table, 57));

    const auto builtIn = ChooseStartupLocation(table, {State::Missing, 0});
    EXPECT_EQ(builtIn.defaultCity, kBuiltInDefaultCity);
    EXPECT_EQ(builtIn.selectedCity, kBuiltInDefaultCity);
    EXPECT_EQ(builtIn.cityName, "City 132");
}

TEST(StartupLocation, FallsBackToTheFirstRowWhenTheIndexIsUnusable) {
    const auto table = TableOf(100);  // shorter than the built-in index
    const DefaultCityFile files[] = {
        {State::Missing, 0},   {State::NotANumber, 0}, {State::Number, 100},
        {State::Number, -1},   {State::Number, 2147483647},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.number);
        const auto start = ChooseStartupLocation(table, file);
        EXPECT_TRUE(start.hasCity);
        EXPECT_EQ(start.defaultCity, 0);
        EXPECT_EQ(start.selectedCity, 0);
        EXPECT_EQ(start.cityName, "City 0");
        EXPECT_EQ(start.observer, *SetObserverFromCity(table, 0));
    }
    EXPECT_EQ(ChooseStartupLocation(table, {State::Number, 99}).defaultCity, 99);
    // A file that does not hold a number does not mean the built-in row.
    EXPECT_EQ(ChooseStartupLocation(TableOf(200), {State::NotANumber, 0}).defaultCity, 0);
}

TEST(StartupLocation, EmptyTableGivesNoCityAndKeepsTheStoredNumber) {
    const auto stored = ChooseStartupLocation(CityTable{}, {State::Number, 57});
    EXPECT_FALSE(stored.hasCity);
    EXPECT_EQ(stored.cityName, "");
    EXPECT_EQ(stored.observer, ObserverPlace{});
    EXPECT_EQ(stored.selectedCity, 57);  // saving now writes back what was there

    const auto none = ChooseStartupLocation(CityTable{}, {State::Missing, 0});
    EXPECT_FALSE(none.hasCity);
    EXPECT_EQ(none.selectedCity, kBuiltInDefaultCity);
    EXPECT_EQ(none.observer, ObserverPlace{});
}

}  // namespace
