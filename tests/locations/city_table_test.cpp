#include "locations/core/city_table.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

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

TEST(CityTableFile, LoadsWholeLinesAndSkipsWhatIsNotACity) {
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
    std::ostringstream echo;
    const auto result = LoadCityTable(folder / "cities.txt", table, &echo);

    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.rowsAdded, 5u);
    EXPECT_EQ(result.linesSkipped, 3u);
    ASSERT_EQ(table.size(), 6u);
    EXPECT_EQ(table.Row(1), (CityRow{"Rome", 41, 54, 'N', 12, 29, 'E', 1.0}));  // no '\r' left
    EXPECT_EQ(table.Row(2).name, "Paris");  // two cities of one name stay two rows
    EXPECT_EQ(table.Row(3), (CityRow{"Paris", 33, 40, 'N', 95, 33, 'W', -6.0}));
    EXPECT_EQ(table.Row(4).name, longName);
    EXPECT_EQ(table.Row(5), (CityRow{"Last", 0, 7, 'N', 0, 7, 'W', 0.0}));
    for (const auto* column : {&table.cityLatDeg, &table.cityLatMin, &table.cityLonDeg,
                               &table.cityLonMin})
        EXPECT_EQ(column->size(), table.size());
    EXPECT_EQ(table.cityLatLetter.size(), table.size());
    EXPECT_EQ(table.cityLonLetter.size(), table.size());
    EXPECT_EQ(table.cityTimeZone.size(), table.size());

    // Every line echoed as read, skipped ones too, line ends as newlines.
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
    EXPECT_TRUE(LoadCityTable(folder.path(), table, nullptr).rowsAdded == 0);  // a folder
    EXPECT_EQ(table.size(), 1u);
}

}  // namespace
