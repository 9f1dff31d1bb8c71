#include "astro/core/almanac_year.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "calendar/day_numbers.h"

namespace chronel {
namespace {

std::vector<std::string> Lines(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size()) {
        lines.push_back(text.substr(start, at - start));
    }
    EXPECT_EQ(start, text.size()) << "text does not end with a line end";
    return lines;
}

TEST(AlmanacYear, CsvAndTextHaveOneRowPerDay) {
    const std::vector<Almanac> days = ComputeAlmanacYear(2024, 51.5, 0.0, FixedUtcOffset(0));
    ASSERT_EQ(days.size(), 366u);  // a leap year
    EXPECT_EQ(days[59].month, 2);
    EXPECT_EQ(days[59].day, 29);

    const std::vector<std::string> csv = Lines(AlmanacYearCsv(days), "\n");
    ASSERT_EQ(csv.size(), 367u);
    EXPECT_EQ(csv[0].rfind("date,astronomicalDawn,nauticalDawn,civilDawn,sunrise,", 0), 0u);
    // 1 January 2024 at London: sunrise 08:06, sunset 16:02 (the main window's method).
    EXPECT_EQ(csv[1].substr(0, 11), "2024-01-01,");
    EXPECT_NE(csv[1].find(",08:06,"), std::string::npos) << csv[1];
    for (const std::string& row : csv) {
        EXPECT_EQ(std::count(row.begin(), row.end(), ','), 19) << row;
    }
    // Every phase of the year appears on its day: 49 to 51 of them.
    int phases = 0;
    for (std::size_t i = 1; i < csv.size(); ++i) {
        for (const char* name : {"New Moon", "First Quarter", "Full Moon", "Last Quarter"}) {
            for (std::size_t at = csv[i].find(name); at != std::string::npos;
                 at = csv[i].find(name, at + 1)) {
                ++phases;
            }
        }
    }
    EXPECT_GE(phases, 49);
    EXPECT_LE(phases, 51);

    const std::vector<std::string> text = Lines(AlmanacYearText(days), "\n");
    ASSERT_EQ(text.size(), 367u);
    EXPECT_EQ(text[1].find("08:06"), text[2].find("08:06"));  // aligned columns
}

TEST(AlmanacYear, DaySearchOffsetIsTheOffsetAtLocalNoon) {
    // Clocks one hour ahead from 2026-03-29 01:00 UT (European summer time).
    const double change = GregorianToJD(29, 3, 2026) + 1.0 / 24;
    const UtcOffsetAt clock = [change](double jdUt) { return jdUt < change ? 1.0 : 2.0; };
    EXPECT_EQ(DaySearchOffset(2026, 3, 28, clock), 1.0);
    EXPECT_EQ(DaySearchOffset(2026, 3, 29, clock), 2.0);
}

TEST(AlmanacYear, IcsLinesFoldAt75OctetsWithoutSplittingCharacters) {
    std::string line = "DESCRIPTION:";
    for (int i = 0; i < 40; ++i) line += "\xce\x94T ";  // "ΔT ", 4 octets each
    const std::string folded = FoldIcsLine(line);
    std::string unfolded;
    for (const std::string& physical : Lines(folded, "\r\n")) {
        EXPECT_LE(physical.size(), 75u);
        const auto first = static_cast<unsigned char>(physical.size() > 1 ? physical[1] : 'x');
        EXPECT_NE(first & 0xC0, 0x80) << "continuation starts inside a character";
        unfolded += unfolded.empty() ? physical : physical.substr(1);
    }
    EXPECT_EQ(unfolded, line);
    EXPECT_EQ(FoldIcsLine("SUMMARY:Full Moon"), "SUMMARY:Full Moon\r\n");
}

TEST(AlmanacYear, IcsHoldsTheYearsPhasesAndSeasons) {
    const std::string ics = AlmanacYearIcs(2026, GregorianToJD(1, 1, 2026));
    const std::vector<std::string> lines = Lines(ics, "\r\n");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(lines.back(), "END:VCALENDAR");
    // The full moon of 3 January 2026 (Espenak's catalogue: 10:03 UT) and the June solstice
    // (USNO: 21 June 08:24 UT; Meeus's method gives 08:25).
    EXPECT_NE(ics.find("UID:full-moon-20260103T100300Z@almanac.chronel\r\n"), std::string::npos);
    EXPECT_NE(ics.find("DTSTART:20260621T0825"), std::string::npos);
    EXPECT_EQ(AlmanacYearIcs(2026, GregorianToJD(1, 1, 2026)), ics);  // stable

    // A real iCalendar parser (Debian's python3-icalendar) reads the file back.
    if (std::system("/usr/bin/python3 -c 'import icalendar' 2>/dev/null") != 0) {
        GTEST_SKIP() << "python3-icalendar is not installed";
    }
    const auto dir = std::filesystem::temp_directory_path() / "chronel_almanac_ics_test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "2026.ics";
    std::ofstream(file, std::ios::binary) << ics;
    const std::string script = std::string(CHRONEL_SOURCE_DIR) + "/tests/astro/check_ics.py";
    const std::string command = "/usr/bin/python3 " + script + " " + file.string() + " 2026";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace chronel
