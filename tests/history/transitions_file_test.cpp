// Reading the transitions file: whole lines, notes, names, and every kind of malformed input.

#include <sys/stat.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "history/core/region_names.h"
#include "history/core/transitions_file.h"
#include "history_test_util.h"
#include "platform/core/text_lines.h"

using namespace chronel;
using namespace chronel::testing_history;
using ::testing::HasSubstr;

namespace {

// A well-formed block without a parent: header "k k 2" and two lines.
std::string GoodBlock(int k) {
    return std::to_string(k) + " " + std::to_string(k) + " 2\n0 4 1 1 1 1000\n4 4 1 4 10 1582\n";
}

std::string GoodBlocks(int count) {
    std::string text;
    for (int k = 0; k < count; ++k) text += GoodBlock(k);
    return text;
}

TEST(TransitionsFile, ReadsWholeLinesTakesNamesFromTheTableAndIgnoresNotes) {
    const std::string longNote(400, 'x');  // far beyond any fixed-size line buffer
    const std::string text =
        "7 7 2 Atlantis: the header names another region\n"
        "0 1 2 21 4 -753 " + longNote + " 0 4 1 1 1 1\n"
        "0 4 1 1 1 1   Anno Domini 5 6 7 (numbers in a note are not read)\n"
        "\t+1  0\t0\r\n"  // tabs, a plus sign and a CRLF ending: a copy of block 0
        "2 2 1\n"
        "4 4 1 4 10 1582";  // last line without a line break
    std::vector<CRegion> regions;
    std::string errors;
    const TransitionsLoadResult result = LoadText(text, regions, errors);
    EXPECT_TRUE(result.opened);
    EXPECT_FALSE(result.faultFound) << errors;
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(result.regionsLoaded, 3);
    ASSERT_EQ(regions.size(), 3u);
    const std::vector<CTransition> first = {Jul(kAbUrbeCondita, kMarchStyle, 21, 4, -753), Jul(4, 1, 1, 1, 1)};
    EXPECT_EQ(regions[0].m_name, g_regionNames[0]);
    EXPECT_EQ(regions[0].m_number, 7);
    EXPECT_EQ(regions[0].m_transitions, first);
    EXPECT_EQ(regions[1].m_name, g_regionNames[1]);
    EXPECT_EQ(regions[1].m_transitions, first);
    // A copy of a block without lines of its own shares the block's list rather than holding
    // another copy (a file of many such copies stays small in memory).
    EXPECT_EQ(&regions[1].m_transitions.Entries(), &regions[0].m_transitions.Entries());
    EXPECT_EQ(regions[2].m_transitions, (std::vector<CTransition>{Switch(4, 10, 1582)}));
}

TEST(TransitionsFile, MissingFileLoadsNothingSilently) {
    std::vector<CRegion> regions;
    std::ostringstream errors;
    const TransitionsLoadResult result =
        LoadTransitions(std::filesystem::path("no-such-folder/Transitions.txt"), regions, errors);
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.regionsLoaded, 0);
    EXPECT_TRUE(regions.empty());
    EXPECT_TRUE(errors.str().empty());
}

TEST(TransitionsFile, EmptyFileLoadsNothingWithoutFault) {
    std::vector<CRegion> regions;
    std::string errors;
    const TransitionsLoadResult result = LoadText("", regions, errors);
    EXPECT_TRUE(result.opened);
    EXPECT_FALSE(result.faultFound);
    EXPECT_TRUE(regions.empty());
    EXPECT_TRUE(errors.empty());
}

struct FaultCase {
    const char* what;
    std::string text;
    int regionsKept;
    int line;               // line the message names
    const char* problem;    // part of the message
};

// Each malformed file: loading stops at the bad line, earlier regions stay, one message line
// "T.txt:<line>: ..." names the problem.
TEST(TransitionsFile, StopsAtTheFirstBadLineAndNamesIt) {
    const std::string two = GoodBlocks(2);  // lines 1..6
    const FaultCase cases[] = {
        {"header without all its numbers", two + "2 2\n0 4 1 1 1 1000\n", 2, 7, "needs 3 numbers"},
        {"header that is no number at all", two + "Russia 2 2 4\n", 2, 7, "found 0"},
        {"blank line where a header belongs", two + "\n" + GoodBlock(3), 2, 7, "found 0"},
        {"transition line with five numbers", two + "2 2 2\n0 4 1 1 1 1000\n4 4 1 4 10\n", 2, 9,
         "needs 6 numbers"},
        {"transition line with text among the numbers", two + "2 2 1\n0 4 1 1 Jan 1000\n", 2, 8, "found 4"},
        {"number that does not fit an int", two + "2 2 1\n0 4 1 1 1 99999999999\n", 2, 8, "out of range"},
        {"file ends inside a block", two + "2 2 3\n0 4 1 1 1 1000\n", 2, 7, "file ends after 1"},
        {"parent names a later block", two + "2 5 0\n", 2, 7, "parent 5"},
        {"parent names the block itself", two + "9 2 0\n", 2, 7, "does not name an earlier block"},
        {"negative parent", two + "2 -1 0\n", 2, 7, "parent -1"},
        {"era index too large", two + "2 2 1\n0 7 1 1 1 1000\n", 2, 8, "era index 7 outside 0..6"},
        {"negative era index", two + "2 2 1\n0 -1 1 1 1 1000\n", 2, 8, "era index -1"},
        {"style index too large", two + "2 2 1\n0 4 4 1 1 1000\n", 2, 8, "style index 4 outside 0..3"},
        {"negative style index", two + "2 2 1\n0 4 -2 1 1 1000\n", 2, 8, "style index -2"},
        {"date that does not exist", two + "2 2 1\n0 4 1 30 2 1700\n", 2, 8,
         "no such Julian calendar date"},
        {"month 13", two + "2 2 1\n0 4 1 1 13 1000\n", 2, 8, "month 13"},
        {"year 0", two + "2 2 1\n0 4 1 1 1 0\n", 2, 8, "year 0"},
        {"region without parent and without lines", two + "2 2 0\n", 2, 7, "no parent and no transition lines"},
        {"bad line inside the first block", "0 0 2\n0 4 1 1 1 1000\n0 4 9 1 1 1100\n", 0, 3, "style index 9"},
        {"more than 76 blocks", GoodBlocks(76) + GoodBlock(76), 76, 3 * 76 + 1, "last of the 76"},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<CRegion> regions;
        std::string errors;
        const TransitionsLoadResult result = LoadText(c.text, regions, errors);
        EXPECT_TRUE(result.faultFound);
        EXPECT_EQ(static_cast<int>(regions.size()), c.regionsKept);
        EXPECT_EQ(result.regionsLoaded, c.regionsKept);
        EXPECT_EQ(result.faultLine, c.line);
        EXPECT_THAT(result.fault, HasSubstr(c.problem));
        EXPECT_EQ(errors, "T.txt:" + std::to_string(c.line) + ": " + result.fault + "\n");
        for (const CRegion& r : regions) EXPECT_FALSE(r.m_transitions.empty());
    }
}

// A leap day is a date only in a Julian leap year; 29 February 1700 exists (unlike in the
// Gregorian calendar), 29 February 1701 does not.
TEST(TransitionsFile, JulianLeapDaysAreDates) {
    std::vector<CRegion> regions;
    std::string errors;
    EXPECT_FALSE(LoadText("0 0 1\n0 4 1 29 2 1700\n0 0 1\n0 4 1 29 2 -5\n", regions, errors).faultFound)
        << errors;
    EXPECT_TRUE(LoadText("0 0 1\n0 4 1 29 2 1701\n", regions, errors).faultFound);
}

}  // namespace

namespace {

// Nothing but a regular file is read: a FIFO would block start-up, a folder would throw.
TEST(TransitionsFile, OnlyARegularFileIsRead) {
    const std::string folder = testing::TempDir() + "chronel-transitions-kinds";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + "/folder");
    ASSERT_EQ(mkfifo((folder + "/fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder + "/zero");
    const struct {
        const char* name;
        const char* problem;
    } cases[] = {{"/folder", "is a directory"}, {"/fifo", "is a FIFO"}, {"/zero", "is a character device"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CRegion> regions;
        std::ostringstream errors;
        const auto result = LoadTransitions(std::filesystem::path(folder + c.name), regions, errors);
        EXPECT_FALSE(result.opened);
        EXPECT_TRUE(regions.empty());
        EXPECT_EQ(errors.str(), folder + c.name + ": " + c.problem + "; no regional calendars loaded\n");
    }
    std::filesystem::remove_all(folder);
}

TEST(TransitionsFile, ALineLongerThanTheLimitIsAFault) {
    std::vector<CRegion> regions;
    std::string errors;
    const auto result =
        LoadText(GoodBlock(0) + "1 1 1\n0 4 1 1 1 1000 " + std::string(kMaxDataLineLength, 'n') + "\n",
                 regions, errors);
    EXPECT_TRUE(result.faultFound);
    EXPECT_EQ(result.faultLine, 5);
    EXPECT_EQ(regions.size(), 1u);
    EXPECT_EQ(errors, "T.txt:5: line longer than 65536 bytes\n");
}

}  // namespace
