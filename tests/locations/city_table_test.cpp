#include "locations/core/city_table.h"

#include <sys/stat.h>

#include <filesystem>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/core/text_lines.h"
#include "temp_folder.h"

using namespace chronel;
using chronel::testing_support::TempFolder;
using chronel::testing_support::WriteFile;

namespace {

TEST(CityLine, ReadsTheDocumentedExamples) {
    EXPECT_EQ(ParseCityLine("Rome\t41 54 N 12 29 E 1"),
              (CityRow{"Rome", 41, 54, 'N', 12, 29, 'E', 1.0}));
    EXPECT_EQ(ParseCityLine("New York\t40 43 N 74 0 W -5"),
              (CityRow{"New York", 40, 43, 'N', 74, 0, 'W', -5.0}));
    EXPECT_EQ(ParseCityLine("Kolkata\t22 34 N 88 22 E 5.5"),
              (CityRow{"Kolkata", 22, 34, 'N', 88, 22, 'E', 5.5}));
}

TEST(CityLine, NameIsEverythingBeforeTheFirstTab) {
    EXPECT_EQ(ParseCityLine(" Old Town \t1 2 N 3 4 E 0")->name, " Old Town ");
    EXPECT_EQ(ParseCityLine("\t1 2 N 3 4 E 0")->name, "");
    EXPECT_EQ(ParseCityLine("Washington, D.C.\t38 54 N 77 2 W -5")->name, "Washington, D.C.");
}

TEST(CityLine, SkipsTabsSpacesAndCommasAfterTheTab) {
    const CityRow oslo{"Oslo", 59, 55, 'N', 10, 45, 'E', 1.0};
    for (const char* line : {"Oslo\t, 59 55 N 10 45 E 1", "Oslo\t\t ,, \t59 55 N 10 45 E 1",
                             "Oslo\t59  55\tN 10 45 E 1", "Oslo\t59 55 N 10 45 E 1 anything",
                             "Oslo\t59 55N 10 45E 1\r"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(ParseCityLine(line), oslo);
    }
}

TEST(CityLine, KeepsSignsAndLettersAsWritten) {
    // The minutes go with the negative degrees; the letter is applied later.
    EXPECT_EQ(ParseCityLine("Sydney\t-33 52 S 151 12 E 10"),
              (CityRow{"Sydney", -33, 52, 'S', 151, 12, 'E', 10.0}));
    // Lower-case letters are kept; they do not mean south or west.
    EXPECT_EQ(ParseCityLine("x\t33 52 s 70 40 w -4"), (CityRow{"x", 33, 52, 's', 70, 40, 'w', -4.0}));
    EXPECT_EQ(ParseCityLine("x\t+1 2 N 3 4 E +5.75")->timeZone, 5.75);
    EXPECT_EQ(ParseCityLine("x\t47 34 N 52 43 W -3.5")->timeZone, -3.5);
}

TEST(CityLine, RefusesLinesThatDoNotHoldSevenFields) {
    for (const char* line : {
             "",                                    // blank line
             "Rome 41 54 N 12 29 E 1",              // no tab
             "Rome\t",                              // nothing after the tab
             "Rome\t41 54 N 12 29 E",               // no time zone
             "Rome\t41 54 N 12 29",                 // no longitude letter
             "Rome\t41, 54 N 12 29 E 1",            // a comma between later fields
             "Rome\tforty 54 N 12 29 E 1",          // not a number
             "Rome\t41 54 N 12 29 E one",           //
             "Rome\t41 54 N 12 29 E nan",           // not a finite time zone
             "Rome\t41 54 N 12 29 E inf",           //
             "Rome\t41 54 N 12 29 E 1e999",         //
             "Rome\t4100000000 54 N 12 29 E 1",     // does not fit an int
             "Rome\t+-41 54 N 12 29 E 1",           // two signs
         }) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(ParseCityLine(line).has_value());
    }
}

TEST(CityTableFile, EveryLineKeepsItsRowAndOnlyCitiesAreUsable) {
    TempFolder folder;
    const std::string longName(150, 'a');  // far beyond any fixed line buffer
    WriteFile(folder / "cities.txt",
              "Rome\t41 54 N 12 29 E 1\r\n"
              "no tab here\r\n"
              "Paris\t48 51 N 2 21 E 1\n"
              "Paris\t33 40 N 95 33 W -6\n"
              "Broken\t48 51 N\n" +
                  longName + "\t1 2 N 3 4 E 5\n"
              "\n"
              "Last\t0 7 N 0 7 W 0");

    CityTable table;
    table.Append({"Already", 1, 1, 'N', 1, 1, 'E', 1});
    std::ostringstream echo, errors;
    const auto result = LoadCityTable(folder / "cities.txt", table, &echo, errors);

    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.rowsAdded, 8u);
    EXPECT_EQ(result.linesUnusable, 3u);
    ASSERT_EQ(table.size(), 9u);
    EXPECT_EQ(table.Row(1), (CityRow{"Rome", 41, 54, 'N', 12, 29, 'E', 1.0}));  // no '\r' left
    EXPECT_EQ(table.Row(3).name, "Paris");  // two cities of one name stay two rows
    EXPECT_EQ(table.Row(4), (CityRow{"Paris", 33, 40, 'N', 95, 33, 'W', -6.0}));
    EXPECT_EQ(table.Row(6).name, longName);
    EXPECT_EQ(table.Row(8), (CityRow{"Last", 0, 7, 'N', 0, 7, 'W', 0.0}));
    const bool usable[] = {true, true, false, true, true, false, true, false, true};
    for (std::size_t row = 0; row < table.size(); ++row) EXPECT_EQ(table.Usable(row), usable[row]) << row;
    EXPECT_FALSE(table.Usable(9));
    EXPECT_EQ(table.Row(5).name, "Broken");
    for (const auto* column : {&table.cityLatDeg, &table.cityLatMin, &table.cityLonDeg,
                               &table.cityLonMin})
        EXPECT_EQ(column->size(), table.size());
    EXPECT_EQ(table.cityLatLetter.size(), table.size());
    EXPECT_EQ(table.cityLonLetter.size(), table.size());
    EXPECT_EQ(table.cityTimeZone.size(), table.size());
    EXPECT_EQ(table.cityZone.size(), table.size());
    EXPECT_EQ(table.cityUsable.size(), table.size());

    // Each unusable line named by file and line (counted in the file, from 1).
    const std::string file = (folder / "cities.txt").string();
    EXPECT_EQ(errors.str(), file + ":2: no tab after the name; the row is not offered\n" + file +
                                ":5: longitude degrees missing or not a whole number; the row is not offered\n" +
                                file + ":7: no tab after the name; the row is not offered\n");

    // Every line echoed as read, unusable ones too, line ends as newlines.
    EXPECT_EQ(echo.str(),
              "Rome\t41 54 N 12 29 E 1\n"
              "no tab here\n"
              "Paris\t48 51 N 2 21 E 1\n"
              "Paris\t33 40 N 95 33 W -6\n"
              "Broken\t48 51 N\n" +
                  longName + "\t1 2 N 3 4 E 5\n"
              "\n"
              "Last\t0 7 N 0 7 W 0");
}

TEST(CityTableFile, MissingFileLeavesTheTableAlone) {
    TempFolder folder;
    CityTable table;
    table.Append({"Already", 1, 1, 'N', 1, 1, 'E', 1});
    std::ostringstream echo;
    const auto result = LoadCityTable(folder / "absent.txt", table, &echo);
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(echo.str(), "");
}

// Nothing but a regular file is read: the rest would abort, block or eat memory.
TEST(CityTableFile, OnlyARegularFileIsRead) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "folder");
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "zero");
    std::filesystem::create_directory_symlink(folder / "folder", folder / "link");
    const struct {
        const char* name;
        const char* problem;
    } cases[] = {{"folder", "is a directory"}, {"fifo", "is a FIFO"},
                 {"zero", "is a character device"}, {"link", "is a directory"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CityTable table;
        std::ostringstream errors;
        const auto result = LoadCityTable(folder / c.name, table, nullptr, errors);
        EXPECT_FALSE(result.opened);
        EXPECT_TRUE(table.empty());
        EXPECT_EQ(errors.str(), (folder / c.name).string() + ": " + c.problem + "; no cities loaded\n");
    }
}

}  // namespace

namespace {

// Values that cannot be a place on the Earth make the line unusable; the limits themselves
// are places (the poles, the antimeridian, the time zones of Kiribati +14 and Baker Island -12).
TEST(CityLine, RefusesValuesOutsideTheEarth) {
    struct Case {
        const char* line;
        bool usable;
    } const cases[] = {
        {"x\t90 0 N 180 0 E 14", true},
        {"x\t-90 0 S -180 0 W -14", true},
        {"x\t89 59 N 179 59 E 13.75", true},
        {"x\t91 0 N 0 0 E 0", false},
        {"x\t90 1 N 0 0 E 0", false},
        {"x\t-90 30 N 0 0 E 0", false},
        {"x\t2147483647 0 N 0 0 E 0", false},
        {"x\t0 60 N 0 0 E 0", false},
        {"x\t0 -1 N 0 0 E 0", false},
        {"x\t0 0 N 181 0 E 0", false},
        {"x\t0 0 N 180 1 W 0", false},
        {"x\t0 0 N 0 60 E 0", false},
        {"x\t0 0 N 0 0 E 14.5", false},
        {"x\t0 0 N 0 0 E -15", false},
        {"x\t0 0 N 0 0 E 1e308", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const CityLine read = ReadCityLine(c.line);
        EXPECT_EQ(read.row.has_value(), c.usable);
        EXPECT_EQ(read.problem.empty(), c.usable);
        EXPECT_EQ(read.name, "x");
    }
}

TEST(CityLine, ReadsAZoneIdAfterTheTimeZone) {
    const struct {
        const char* line;
        const char* zone;
    } cases[] = {
        {"London (United Kingdom)\t51 30 N 0 7 W 0 Europe/London", "Europe/London"},
        {"x\t1 2 N 3 4 E 0\tAmerica/Argentina/Buenos_Aires\r", "America/Argentina/Buenos_Aires"},
        {"x\t1 2 N 3 4 E -5 Etc/GMT+5 a note", "Etc/GMT+5"},
        {"x\t1 2 N 3 4 E 0 UTC", "UTC"},
        {"x\t1 2 N 3 4 E 0", ""},             // the older lines
        {"x\t1 2 N 3 4 E 1 anything", ""},    // a note, not an id
        {"x\t1 2 N 3 4 E 1Europe/Oslo", ""},  // no blank after the number
        {"x\t1 2 N 3 4 E 1 Europe//Oslo", ""},
        {"x\t1 2 N 3 4 E 1 Europe/Oslo;", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto row = ParseCityLine(c.line);
        ASSERT_TRUE(row.has_value());
        EXPECT_EQ(row->zone, c.zone);
    }
    EXPECT_EQ(ParseCityLine("London\t51 30 N 0 7 W 0 Europe/London"),
              (CityRow{"London", 51, 30, 'N', 0, 7, 'W', 0.0, "Europe/London"}));
}

// One damaged line must not move later rows: the stored default index names a line.
TEST(CityTableFile, ABrokenLineBeforeTheDefaultRowKeepsTheDefaultCity) {
    TempFolder folder;
    std::string text = "Kabul 34 32 N 69 10 E 4.5\n";  // its tab lost
    for (int i = 1; i < 132; ++i) text += "City " + std::to_string(i) + "\t1 2 N 3 4 E 5\n";
    text += "London\t51 31 N 0 8 W 0 Europe/London\nBaku\t40 23 N 49 54 E 4 Asia/Baku\n";
    WriteFile(folder / "cities.txt", text);
    CityTable table;
    std::ostringstream errors;
    LoadCityTable(folder / "cities.txt", table, nullptr, errors);
    ASSERT_EQ(table.size(), 134u);
    EXPECT_FALSE(table.Usable(0));
    EXPECT_EQ(table.cityNames[132], "London");
    EXPECT_EQ(errors.str(), (folder / "cities.txt").string() + ":1: no tab after the name; the row is not offered\n");
}

TEST(CityTableFile, NamesAreStoredAsUtf8) {
    TempFolder folder;
    // The same two names, once as UTF-8 and once as Latin-1 bytes: both give UTF-8 names, and
    // names that differ only in a letter outside ASCII stay different.
    WriteFile(folder / "utf8.txt", "M\xC3\xBCnchen\t48 8 N 11 34 E 1\nMunchen\t1 2 N 3 4 E 1\n");
    WriteFile(folder / "latin1.txt", "M\xFCnchen\t48 8 N 11 34 E 1\nMunchen\t1 2 N 3 4 E 1\n");
    WriteFile(folder / "bom.txt", "\xEF\xBB\xBFZ\xC3\xBCrich\t47 22 N 8 33 E 1\n");
    for (const char* name : {"utf8.txt", "latin1.txt"}) {
        SCOPED_TRACE(name);
        CityTable table;
        LoadCityTable(folder / name, table, nullptr);
        ASSERT_EQ(table.size(), 2u);
        EXPECT_EQ(table.cityNames[0], "M\xC3\xBCnchen");
        EXPECT_EQ(table.cityNames[1], "Munchen");
    }
    CityTable bom;
    LoadCityTable(folder / "bom.txt", bom, nullptr);
    ASSERT_EQ(bom.size(), 1u);
    EXPECT_EQ(bom.cityNames[0], "Z\xC3\xBCrich");
    EXPECT_TRUE(bom.Usable(0));
}

TEST(CityTableFile, ALineLongerThanTheLimitIsAnUnusableRow) {
    TempFolder folder;
    WriteFile(folder / "cities.txt", "Rome\t41 54 N 12 29 E 1 " + std::string(kMaxDataLineLength, 'x') +
                                         "\nParis\t48 51 N 2 21 E 1\n");
    CityTable table;
    std::ostringstream errors;
    LoadCityTable(folder / "cities.txt", table, nullptr, errors);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_FALSE(table.Usable(0));
    EXPECT_TRUE(table.Usable(1));
    EXPECT_NE(errors.str().find("cities.txt:1: line longer than 65536 bytes"), std::string::npos);
}

}  // namespace
