#include "locations/core/default_city.h"

#include <sys/stat.h>

#include <filesystem>
#include <sstream>
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

TEST(DefaultCityFileRead, ReadsABoundedPrefixOfARegularFileOnly) {
    TempFolder folder;
    const struct {
        std::string text;
        State state;
        int number;
    } cases[] = {
        {"\xEF\xBB\xBF" "57", State::Number, 57},  // a byte-order mark is skipped
        {"\xEF\xBB\xBF  57\r\n", State::Number, 57},
        {"\xEF\xBB", State::NotANumber, 0},
        {std::string(kDefaultCityFileMaxBytes, ' ') + "57", State::NotANumber, 0},  // beyond the bytes read
        {"57" + std::string(1 << 20, 'x'), State::Number, 57},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        WriteFile(folder / "DefaultLoc.txt", c.text);
        const auto read = ReadDefaultCityFile(folder / "DefaultLoc.txt");
        EXPECT_EQ(read.state, c.state);
        if (c.state == State::Number) {
            EXPECT_EQ(read.number, c.number);
        }
    }

    // A folder, a FIFO (would block), /dev/zero (would fill the memory), links to them.
    std::filesystem::create_directory(folder / "folder");
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "zero");
    std::filesystem::create_directory_symlink(folder / "folder", folder / "link");
    std::filesystem::create_symlink(folder / "absent", folder / "dangling");
    const struct {
        const char* name;
        State state;
        const char* problem;
    } files[] = {{"folder", State::Unreadable, "is a directory"},
                 {"fifo", State::Unreadable, "is a FIFO"},
                 {"zero", State::Unreadable, "is a character device"},
                 {"link", State::Unreadable, "is a directory"},
                 {"dangling", State::Missing, ""}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const auto read = ReadDefaultCityFile(folder / f.name);
        EXPECT_EQ(read.state, f.state);
        EXPECT_EQ(read.problem, f.problem);
        EXPECT_EQ(read.source, (folder / f.name).string());
    }
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
}

// An unusable file means the same as a missing one: the built-in row, and a line saying why.
TEST(StartupLocation, AnUnusableFileFallsBackToTheBuiltInRow) {
    auto table = TableOf(200);
    table.cityUsable[57] = false;
    const struct {
        DefaultCityFile file;
        const char* message;
    } cases[] = {
        {{State::NotANumber, 0, "D"}, "D: holds no row number; using the built-in default city\n"},
        {{State::Unreadable, 0, "D", "is a directory"}, "D: is a directory; using the built-in default city\n"},
        {{State::Number, -1, "D"}, "D: row -1 is not a row number; using the built-in default city\n"},
        {{State::Number, 200, "D"},
         "D: row 200 is past the end of the city table (200 rows); using the built-in default city\n"},
        {{State::Number, 57, "D"},
         "D: row 57 (line 58 of the city file) is no usable city; using the built-in default city\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        std::ostringstream errors;
        const auto start = ChooseStartupLocation(table, c.file, errors);
        EXPECT_TRUE(start.hasCity);
        EXPECT_EQ(start.defaultCity, kBuiltInDefaultCity);
        EXPECT_EQ(start.selectedCity, kBuiltInDefaultCity);
        EXPECT_EQ(start.cityName, "City 132");
        EXPECT_EQ(errors.str(), c.message);
    }
    std::ostringstream quiet;
    ChooseStartupLocation(table, {State::Missing, 0, "D"}, quiet);
    ChooseStartupLocation(table, {State::Number, 58, "D"}, quiet);
    EXPECT_EQ(quiet.str(), "");
}

TEST(StartupLocation, AnUnusableBuiltInRowGivesTheFirstUsableRow) {
    auto table = TableOf(200);
    table.cityUsable[0] = table.cityUsable[kBuiltInDefaultCity] = false;
    std::ostringstream errors;
    const auto start = ChooseStartupLocation(table, {State::Missing, 0, "D"}, errors);
    EXPECT_EQ(start.defaultCity, 1);
    EXPECT_EQ(errors.str(),
              "D: missing, and the built-in row 132 (line 133 of the city file) is no usable city; "
              "using row 1 (City 1)\n");

    CityTable none;
    none.AppendUnusable("x");
    const auto nothing = ChooseStartupLocation(none, {State::Number, 0, "D"}, errors);
    EXPECT_FALSE(nothing.hasCity);
    EXPECT_EQ(nothing.observer, ObserverPlace{});
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

// The start-up path of a Data/ folder whose DefaultLoc.txt is a directory.
TEST(StartupLocation, ADirectoryAsTheDefaultFileStartsOnTheBuiltInRow) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "DefaultLoc.txt");
    std::ostringstream errors;
    const auto start =
        ChooseStartupLocation(TableOf(200), ReadDefaultCityFile(folder / "DefaultLoc.txt"), errors);
    EXPECT_EQ(start.defaultCity, kBuiltInDefaultCity);
    EXPECT_EQ(errors.str(), (folder / "DefaultLoc.txt").string() +
                                ": is a directory; using the built-in default city\n");
}

}  // namespace
