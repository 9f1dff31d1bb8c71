// A list of written dates looked up at once, as CSV: good, ambiguous, impossible and malformed
// rows, each answered in its place.
//
// Julian Days and Gregorian dates of the expected rows were checked with Python's proleptic
// datetime.date (JD 2451544.5 = 1 January 2000): 21 February 1751 = 2360650.5 (a Sunday),
// 11 September 1699 = 2341860.5, 1 September 7208 = 4353971.5, 1 January 1600 = 2305447.5.

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "history/core/transitions_file.h"
#include "history/core/written_date_batch.h"
#include "history_test_util.h"

using namespace chronel;
using namespace chronel::testing_history;

namespace {

class WrittenDateBatch : public ::testing::Test {
protected:
    void SetUp() override {
        std::ostringstream errors;
        LoadTransitions(std::string(CHRONEL_SOURCE_DIR) + "/Data/Transitions.txt", regions, errors);
    }
    std::string Convert(const std::string& input, BatchSummary* summary = nullptr) const {
        std::istringstream in(input);
        std::ostringstream out;
        const BatchSummary s = ConvertBatch(in, out, regions, c.eras, c.styles, kMonthNames);
        if (summary != nullptr) *summary = s;
        return out.str();
    }
    std::vector<CRegion> regions;
    Catalogues c;
};

TEST_F(WrittenDateBatch, EveryRowAnsweredInItsPlace) {
    const std::string input =
        "region,Date,era,weekday,note\n"
        "United Kingdom,10 February 1750,,Sunday,parish register\r\n"  // CRLF and LF both end a record
        "Russia,1 9 7208,,,\"letter, Moscow\"\n"                        // written on two days
        "Italy,10 October 1582,,,\n"                                    // in the reform gap
        "\n"                                                            // empty lines are skipped
        "Atlantis,1 January 1750,,,\n"
        "United Kingdom,10 Febuary 1750,,,\n"
        "United Kingdom,10 Feb 1750/51,,Mon,\n"
        "\"Diocese of Mu\"\"nster\",1 January 1600,,,\n"
        "Russia,1 September 7208,Byzantine,,\n"
        "Italy,1 1 1600,,Funday,\n"
        "Italy,\"1 1 1600,a quote that closes on a later line\n"
        "Italy,1 1 1600,,,,\n"
        "Italy,1 \"1\" 1600,,,\n";
    const std::string expected =
        "region,Date,era,weekday,note,readings,julian_day,gregorian,julian,others,weekday_matches,problem\r\n"
        "United Kingdom,10 February 1750,,Sunday,parish register,1,2360650.5,1751-02-21,1751-02-10,,yes,\r\n"
        "Russia,1 9 7208,,,\"letter, Moscow\",2,2341860.5,1699-09-11,1699-09-01,4353971.5,,\r\n"
        "Italy,10 October 1582,,,,0,,,,,,In Italy the day after 4 October 1582 was 15 October 1582.\r\n"
        "Atlantis,1 January 1750,,,,0,,,,,,\"There is no region named \"\"Atlantis\"\".\"\r\n"
        "United Kingdom,10 Febuary 1750,,,,,,,,,,"
        "\"\"\"Febuary\"\" is not a month: give its name, an abbreviation such as Feb, or 1 to 12.\"\r\n"
        "United Kingdom,10 Feb 1750/51,,Mon,,1,2360650.5,1751-02-21,1751-02-10,,no,\r\n"
        "\"Diocese of Mu\"\"nster\",1 January 1600,,,,1,2305447.5,1600-01-01,1599-12-22,,,\r\n"
        "Russia,1 September 7208,Byzantine,,,1,2341860.5,1699-09-11,1699-09-01,,,\r\n"
        "Italy,1 1 1600,,Funday,,,,,,,,\"\"\"Funday\"\" is not a weekday.\"\r\n"
        "Italy,,,,,,,,,,,A quoted field is followed by text before the next comma.\r\n"
        "Italy,1 1 1600,,,,,,,,,,The row has 6 fields; the header has 5.\r\n"
        "Italy,,,,,,,,,,,A double quote stands inside a field that is not quoted.\r\n";
    BatchSummary summary;
    EXPECT_EQ(Convert(input, &summary), expected);
    EXPECT_EQ(summary.rows, 12);
    EXPECT_EQ(summary.rowsWithReadings, 5);
    EXPECT_EQ(summary.rowsWithProblem, 7);
}

TEST_F(WrittenDateBatch, FileLevelFaultsStillAnswerEveryRow) {
    // No date column: each row says so.
    EXPECT_EQ(Convert("region,when\nItaly,1 1 1600\n"),
              "region,when,readings,julian_day,gregorian,julian,others,weekday_matches,problem\r\n"
              "Italy,1 1 1600,,,,,,,\"The header row has no \"\"date\"\" column.\"\r\n");
    // A quote never closed: the row is reported and the rows after it are still read.
    EXPECT_EQ(Convert("region,date\nItaly,\"1 1 1600\nItaly,1 1 1600\n"),
              "region,date,readings,julian_day,gregorian,julian,others,weekday_matches,problem\r\n"
              "Italy,,,,,,,,A quoted field is not closed.\r\n"
              "Italy,1 1 1600,1,2305447.5,1600-01-01,1599-12-22,,,\r\n");
    // A byte order mark before the header, as spreadsheet programs write it.
    EXPECT_EQ(Convert("\xEF\xBB\xBFregion,date\nItaly,1 1 1600\n"),
              "region,date,readings,julian_day,gregorian,julian,others,weekday_matches,problem\r\n"
              "Italy,1 1 1600,1,2305447.5,1600-01-01,1599-12-22,,,\r\n");
    // Nothing at all: only the header of the result columns.
    EXPECT_EQ(Convert(""), "readings,julian_day,gregorian,julian,others,weekday_matches,problem\r\n");
}

}  // namespace
