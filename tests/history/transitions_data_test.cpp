// The shipped Data/Transitions.txt: it loads whole, and every region switches to the
// Gregorian calendar on the day history records.

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "history/core/local_date.h"
#include "history/core/local_date_row.h"
#include "history/core/region_names.h"
#include "history/core/transitions_file.h"
#include "history_test_util.h"

using namespace chronel;
using namespace chronel::testing_history;

namespace {

class ShippedTransitions : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_regions = new std::vector<CRegion>;
        std::ostringstream errors;
        s_result = LoadTransitions(std::string(CHRONEL_SOURCE_DIR) + "/Data/Transitions.txt", *s_regions, errors);
        s_errors = errors.str();
    }
    static void TearDownTestSuite() {
        delete s_regions;
        s_regions = nullptr;
    }

    const CRegion& RegionNamed(std::string_view name) const {
        const auto i = FindRegionByName(*s_regions, name);
        if (!i) {
            ADD_FAILURE() << "no region " << name;
            static const CRegion none;
            return none;
        }
        return (*s_regions)[*i];
    }
    LocalDate At(std::string_view name, const CurrentDay& day) const {
        return ComputeLocalDate(RegionNamed(name), day, c.eras, c.styles);
    }

    static std::vector<CRegion>* s_regions;
    static TransitionsLoadResult s_result;
    static std::string s_errors;
    Catalogues c;
};

std::vector<CRegion>* ShippedTransitions::s_regions = nullptr;
TransitionsLoadResult ShippedTransitions::s_result;
std::string ShippedTransitions::s_errors;

TEST_F(ShippedTransitions, AllSeventySixRegionsLoadWithAscendingLists) {
    ASSERT_TRUE(s_result.opened);
    EXPECT_FALSE(s_result.faultFound) << s_errors;
    EXPECT_TRUE(s_errors.empty()) << s_errors;
    ASSERT_EQ(s_regions->size(), kRegionCount);
    for (std::size_t k = 0; k < kRegionCount; ++k) {
        const CRegion& r = (*s_regions)[k];
        SCOPED_TRACE(r.m_name);
        EXPECT_EQ(r.m_name, g_regionNames[k]);
        ASSERT_FALSE(r.m_transitions.empty());
        for (std::size_t i = 1; i < r.m_transitions.size(); ++i) {
            EXPECT_LE(TransitionDayNumber(r.m_transitions[i - 1]), TransitionDayNumber(r.m_transitions[i]))
                << "entry " << i;
        }
    }
}

struct SwitchCase {
    const char* region;
    CalendarDate lastJulian;     // historical year
    CalendarDate firstGregorian;
};

// Every region that adopted the Gregorian calendar (all but Rome and Byzantium): the last Julian
// day shows as a Julian date, the next day as the Gregorian date history records.
TEST_F(ShippedTransitions, EachRegionSwitchesOnItsRecordedDay) {
    const SwitchCase cases[] = {
        {"Europe", {4, 10, 1582}, {15, 10, 1582}},
        {"Italy", {4, 10, 1582}, {15, 10, 1582}},
        {"Spain", {4, 10, 1582}, {15, 10, 1582}},
        {"Portugal", {4, 10, 1582}, {15, 10, 1582}},
        {"Poland", {4, 10, 1582}, {15, 10, 1582}},
        {"Vatican City", {4, 10, 1582}, {15, 10, 1582}},
        {"Andorra", {4, 10, 1582}, {15, 10, 1582}},
        {"Malta", {4, 10, 1582}, {15, 10, 1582}},
        {"Monaco", {4, 10, 1582}, {15, 10, 1582}},
        {"San Marino", {4, 10, 1582}, {15, 10, 1582}},
        {"France", {9, 12, 1582}, {20, 12, 1582}},
        {"Canada", {9, 12, 1582}, {20, 12, 1582}},
        {"Belgium", {21, 12, 1582}, {1, 1, 1583}},
        {"Luxembourg", {21, 12, 1582}, {1, 1, 1583}},
        {"Netherlands", {1, 1, 1583}, {12, 1, 1583}},
        {"Diocese of Augsburg", {13, 2, 1583}, {24, 2, 1583}},
        {"Archdiocese of Treves (Trier)", {4, 10, 1583}, {15, 10, 1583}},
        {"Austria", {4, 10, 1583}, {15, 10, 1583}},
        {"Germany", {5, 10, 1583}, {16, 10, 1583}},
        {"Bavaria (Bayern)", {5, 10, 1583}, {16, 10, 1583}},
        {"Dioceses of Freising", {5, 10, 1583}, {16, 10, 1583}},
        {"Eichsta\"tt, Regensburg", {5, 10, 1583}, {16, 10, 1583}},
        {"Liechtenstein", {5, 10, 1583}, {16, 10, 1583}},
        {"Breisgau", {13, 10, 1583}, {24, 10, 1583}},
        {"Duchy of Ju\"lich-Berg", {2, 11, 1583}, {13, 11, 1583}},
        {"The city of Cologne", {3, 11, 1583}, {14, 11, 1583}},
        {"Diocese of Wu\"rzburg", {4, 11, 1583}, {15, 11, 1583}},
        {"Archdiocese of Mayence (Mainz)", {11, 11, 1583}, {22, 11, 1583}},
        {"The Margraviate of Baden", {16, 11, 1583}, {27, 11, 1583}},
        {"The Diocese of Strasbourg", {16, 11, 1583}, {27, 11, 1583}},
        {"Diocese of Mu\"nster", {17, 11, 1583}, {28, 11, 1583}},
        {"The Duchy of Cleve", {17, 11, 1583}, {28, 11, 1583}},
        {"Slovenia", {14, 12, 1583}, {25, 12, 1583}},
        {"Czech Republic", {6, 1, 1584}, {17, 1, 1584}},
        {"Lusatia (Lausitz)", {6, 1, 1584}, {17, 1, 1584}},
        {"Switzerland", {11, 1, 1584}, {22, 1, 1584}},
        {"Silesia (Schlesien)", {12, 1, 1584}, {23, 1, 1584}},
        {"Duchy of Westphalia (Westfalen)", {1, 7, 1584}, {12, 7, 1584}},
        {"Diocese of Paderborn", {16, 6, 1585}, {27, 6, 1585}},
        {"Hungary", {21, 10, 1587}, {1, 11, 1587}},
        {"Slovakia", {21, 10, 1587}, {1, 11, 1587}},
        {"Croatia", {21, 10, 1587}, {1, 11, 1587}},
        {"Pfalz-Neuburg", {13, 12, 1615}, {24, 12, 1615}},
        {"Diocese of Osnabru\"ck", {21, 12, 1624}, {1, 1, 1625}},
        {"Diocese of Hildesheim", {15, 3, 1631}, {26, 3, 1631}},
        {"Principality of Minden", {1, 2, 1668}, {12, 2, 1668}},
        {"Germany Protestant part", {18, 2, 1700}, {1, 3, 1700}},
        {"Denmark", {18, 2, 1700}, {1, 3, 1700}},
        {"Norway", {18, 2, 1700}, {1, 3, 1700}},
        {"Greenland", {18, 2, 1700}, {1, 3, 1700}},
        {"Iceland", {16, 11, 1700}, {28, 11, 1700}},
        {"United Kingdom", {2, 9, 1752}, {14, 9, 1752}},
        {"Scotland", {2, 9, 1752}, {14, 9, 1752}},
        {"United States", {2, 9, 1752}, {14, 9, 1752}},
        {"Gibraltar", {2, 9, 1752}, {14, 9, 1752}},
        {"Sweden", {17, 2, 1753}, {1, 3, 1753}},
        {"Finland", {17, 2, 1753}, {1, 3, 1753}},
        {"Australia", {14, 1, 1788}, {26, 1, 1788}},
        {"Cyprus", {29, 6, 1878}, {12, 7, 1878}},
        {"Bosnia and Herzegovina", {16, 7, 1878}, {29, 7, 1878}},
        {"Albania", {14, 11, 1912}, {28, 11, 1912}},
        {"Lithuania", {15, 11, 1915}, {29, 11, 1915}},
        {"Bulgaria", {31, 3, 1916}, {14, 4, 1916}},
        {"Latvia", {22, 8, 1917}, {5, 9, 1917}},
        {"Russia", {31, 1, 1918}, {14, 2, 1918}},
        {"Belarus", {31, 1, 1918}, {14, 2, 1918}},
        {"Estonia", {31, 1, 1918}, {14, 2, 1918}},
        {"Ukraine", {15, 2, 1918}, {1, 3, 1918}},
        {"Serbia", {14, 1, 1919}, {28, 1, 1919}},
        {"Montenegro", {14, 1, 1919}, {28, 1, 1919}},
        {"Republic of Macedonia", {14, 1, 1919}, {28, 1, 1919}},
        {"Romania", {31, 3, 1919}, {14, 4, 1919}},
        {"Moldova", {31, 3, 1919}, {14, 4, 1919}},
        {"Greece", {15, 2, 1923}, {1, 3, 1923}},
    };
    std::vector<std::string_view> covered;
    for (const SwitchCase& k : cases) {
        SCOPED_TRACE(k.region);
        covered.push_back(k.region);
        const double last = JulianToJD(k.lastJulian.day, k.lastJulian.month, k.lastJulian.year);
        ASSERT_EQ(JDToGregorian(last + 1.0), k.firstGregorian) << "the table's own pair is inconsistent";

        EXPECT_NE(At(k.region, CurrentDayAt(last - 1.0)).reckoning, LocalReckoning::Gregorian);

        const LocalDate onLast = At(k.region, CurrentDayAt(last));
        ASSERT_EQ(onLast.reckoning, LocalReckoning::Julian);
        EXPECT_EQ(onLast.day, k.lastJulian.day);
        EXPECT_EQ(onLast.month, k.lastJulian.month);
        EXPECT_EQ(onLast.year, k.lastJulian.year);
        EXPECT_EQ(onLast.eraName, "Anno Domini");

        const LocalDate onFirst = At(k.region, CurrentDayAt(last + 1.0));
        ASSERT_EQ(onFirst.reckoning, LocalReckoning::Gregorian);
        EXPECT_EQ((CalendarDate{onFirst.day, onFirst.month, onFirst.year}), k.firstGregorian);

        // And it stays Gregorian: today's date, as at start-up.
        EXPECT_EQ(At(k.region, OnGregorian(1, 1, 2025)).reckoning, LocalReckoning::Gregorian);
    }
    // Every region but the two ancient empires is in the table.
    for (std::string_view name : g_regionNames) {
        if (name == "Rome Empire" || name == "Byzantium") continue;
        EXPECT_NE(std::find(covered.begin(), covered.end(), name), covered.end()) << name;
    }
}

struct FactCase {
    const char* what;
    const char* region;
    int day, month, year;  // Julian date, historical year
    const char* expected;  // row texts: "day month year | era | style", or "-----"
};

std::string RowText(const LocalDateRowTexts& t) {
    if (t.day == kLocalDatePlaceholder) return "-----";
    return t.day + " " + t.month + " " + t.year + " | " + t.era + " | " + t.style;
}

TEST_F(ShippedTransitions, WellKnownLocalDates) {
    const FactCase cases[] = {
        {"Rome before its foundation", "Rome Empire", 20, 4, -753, "-----"},
        {"Rome founded", "Rome Empire", 21, 4, -753, "21 April 1 | Ab Urbe condita | March Style"},
        {"Rome: March year", "Rome Empire", 28, 2, -154, "28 February 599 | Ab Urbe condita | March Style"},
        {"Rome: last day of AUC 600", "Rome Empire", 31, 12, -154, "31 December 600 | Ab Urbe condita | March Style"},
        {"Rome: consuls from 1 January", "Rome Empire", 1, 1, -153, "1 January 601 | Ab Urbe condita | New Style"},
        {"Rome counts AUC forever", "Rome Empire", 19, 12, 2024, "19 December 2777 | Ab Urbe condita | New Style"},
        {"fall of Constantinople", "Byzantium", 29, 5, 1453, "29 May 6961 | Byzantine Era | September Style"},
        {"Russia before the baptism", "Russia", 28, 2, 988, "-----"},
        {"Russia: March year", "Russia", 28, 2, 1400, "28 February 6907 | Anno Mundi | March Style"},
        {"Russia: March year turns", "Russia", 1, 3, 1400, "1 March 6908 | Anno Mundi | March Style"},
        {"Russia: last March year", "Russia", 31, 8, 1492, "31 August 7000 | Anno Mundi | March Style"},
        {"Russia: September year 7001", "Russia", 1, 9, 1492, "1 September 7001 | Byzantine Era | September Style"},
        {"Russia: 7208 begins", "Russia", 1, 9, 1699, "1 September 7208 | Byzantine Era | September Style"},
        {"Russia: last day of 7208", "Russia", 31, 12, 1699, "31 December 7208 | Byzantine Era | September Style"},
        {"Russia: Peter's new year", "Russia", 1, 1, 1700, "1 January 1700 | Anno Domini | New Style"},
        {"Belarus follows Russia", "Belarus", 1, 3, 1400, "1 March 6908 | Anno Mundi | March Style"},
        {"England: Lady Day year", "United Kingdom", 10, 2, 1700, "10 February 1699 | Anno Domini | Old Style"},
        {"England: 25 March", "United Kingdom", 25, 3, 1700, "25 March 1700 | Anno Domini | Old Style"},
        {"England: 1751 ends", "United Kingdom", 31, 12, 1751, "31 December 1751 | Anno Domini | Old Style"},
        {"England: 1752 begins in January", "United Kingdom", 1, 1, 1752, "1 January 1752 | Anno Domini | New Style"},
        {"England still in 1599", "United Kingdom", 1, 1, 1600, "1 January 1599 | Anno Domini | Old Style"},
        {"Scotland's 1600", "Scotland", 1, 1, 1600, "1 January 1600 | Anno Domini | New Style"},
        {"Scotland before 1600", "Scotland", 1, 1, 1599, "1 January 1598 | Anno Domini | Old Style"},
        {"Jamestown", "United States", 14, 5, 1607, "14 May 1607 | Anno Domini | Old Style"},
        {"Venetian Cyprus, February", "Cyprus", 28, 2, 1490, "28 February 1489 | Anno Domini | March Style"},
        {"Venetian Cyprus, March", "Cyprus", 1, 3, 1490, "1 March 1490 | Anno Domini | March Style"},
        {"Cyprus Byzantine", "Cyprus", 1, 9, 1000, "1 September 6509 | Byzantine Era | September Style"},
        {"first Olympiad", "Greece", 1, 9, -776, "1 September 1 | Olympic Games Era | September Style"},
        {"Olympic year 2", "Greece", 1, 9, -775, "1 September 2 | Olympic Games Era | September Style"},
        {"Greece before Epidaurus", "Greece", 31, 12, 1821, "31 December 7330 | Byzantine Era | September Style"},
        {"Italy still AUC", "Italy", 31, 12, 524, "31 December 1277 | Ab Urbe condita | New Style"},
        {"Italy Anno Domini", "Italy", 1, 1, 525, "1 January 525 | Anno Domini | New Style"},
        {"France: Easter year taken as Lady Day", "France", 1, 3, 1566, "1 March 1565 | Anno Domini | Old Style"},
        {"Lithuania back to Julian", "Lithuania", 1, 1, 1800, "1 January 1800 | Anno Domini | New Style"},
        {"Lithuania's last Gregorian day", "Lithuania", 31, 12, 1799, "11 January 1800 | Anno Domini | New Style"},
        {"Gibraltar Spanish and Gregorian", "Gibraltar", 23, 7, 1704, "3 August 1704 | Anno Domini | New Style"},
        {"Gibraltar British and Julian", "Gibraltar", 24, 7, 1704, "24 July 1704 | Anno Domini | Old Style"},
        {"Australia before the First Fleet", "Australia", 13, 1, 1788, "-----"},
        {"Australia: the eve", "Australia", 14, 1, 1788, "14 January 1788 | Anno Domini | New Style"},
        {"Bulgaria Byzantine", "Bulgaria", 1, 9, 864, "1 September 6373 | Byzantine Era | September Style"},
        {"Serbia's own start", "Serbia", 1, 9, 1217, "1 September 6726 | Byzantine Era | September Style"},
        {"Serbia before its start", "Serbia", 31, 8, 1217, "-----"},
        {"Macedonia's own start", "Republic of Macedonia", 1, 9, 976, "1 September 6485 | Byzantine Era | September Style"},
        {"Romania's own start", "Romania", 1, 9, 1330, "1 September 6839 | Byzantine Era | September Style"},
        {"Sweden's own start", "Sweden", 6, 6, 1523, "6 June 1523 | Anno Domini | New Style"},
        {"Sweden before Gustav Vasa", "Sweden", 5, 6, 1523, "-----"},
        {"Augsburg from Germany's start", "Diocese of Augsburg", 2, 2, 962, "2 February 962 | Anno Domini | New Style"},
    };
    for (const FactCase& k : cases) {
        SCOPED_TRACE(k.what);
        const LocalDateRowTexts row =
            LocalDateRowFor(*s_regions, k.region, OnJulian(k.day, k.month, k.year), c.eras, c.styles, kMonthNames);
        EXPECT_EQ(RowText(row), k.expected);
    }
}

}  // namespace
