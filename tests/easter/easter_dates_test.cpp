#include "easter/core/easter_dates.h"

#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "calendar/day_numbers.h"

using namespace chronel;

namespace {

// A date between 22 March and 25 April inclusive.
bool InEasterWindow(const EasterDate& d) {
    return (d.month == 3 && d.day >= 22 && d.day <= 31) ||
           (d.month == 4 && d.day >= 1 && d.day <= 25);
}

bool IsSunday(double jd) {
    const CalendarDate g = JDToGregorian(jd);
    return DayOfWeek(g.day, g.month, g.year) == 0;
}

// Count of days after 21 March (1 = 22 March) to a day and month, walking March..July.
EasterDate FromDaysAfter21March(int n) {
    const int lengths[] = {31, 30, 31, 30, 31};
    EasterDate d{21 + n, 3};
    for (int len : lengths) {
        if (d.day <= len) break;
        d.day -= len;
        ++d.month;
    }
    return d;
}

TEST(EasterDates, AgreeWithIndependentReferenceFrom1583To9999) {
    // Reference generated with ncal; how is written at the top of the file.
    std::ifstream in(CHRONEL_SOURCE_DIR "/tests/easter/easter_reference.txt");
    ASSERT_TRUE(in) << "missing tests/easter/easter_reference.txt";
    int expectedYear = 1583;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int year = 0;
        fields >> year;
        ASSERT_EQ(year, expectedYear) << "reference lines out of order";
        int catholic, julian, gregorian;
        while (fields >> catholic >> julian >> gregorian) {
            SCOPED_TRACE(testing::Message() << "year " << year);
            EXPECT_EQ(CatholicEaster(year), FromDaysAfter21March(catholic));
            EXPECT_EQ(OrthodoxJulianEaster(year), FromDaysAfter21March(julian));
            EXPECT_EQ(OrthodoxGregorianEaster(year), FromDaysAfter21March(gregorian));
            ++year;
        }
        expectedYear = year;
    }
    EXPECT_EQ(expectedYear, 10000) << "reference must run through 9999";
}

// Over every year the main window can show, including those before AD 1 where truncating
// division would give dates such as 31 February: always a real date in the Easter window, and a
// Sunday in its own calendar; the Orthodox date in the Gregorian calendar is the same day.
TEST(EasterDates, EveryYearIsASundayBetween22MarchAnd25April) {
    for (int y = -4801; y <= 1000000; ++y) {
        const EasterDate c = CatholicEaster(y);
        ASSERT_TRUE(InEasterWindow(c)) << "Catholic " << y << ": " << c.day << "/" << c.month;
        ASSERT_TRUE(IsSunday(GregorianToJD(c.day, c.month, y))) << "Catholic " << y;
        if (y == 0) continue;  // no Julian year 0
        const EasterDate o = OrthodoxJulianEaster(y);
        ASSERT_TRUE(InEasterWindow(o)) << "Orthodox " << y << ": " << o.day << "/" << o.month;
        const double jd = JulianToJD(o.day, o.month, y);
        ASSERT_TRUE(IsSunday(jd)) << "Orthodox " << y;
        if (y < 0) {
            // Before AD 1 the Gregorian date is no more than 38 days earlier, so it stays in
            // the same year, astronomically numbered (1 BC is Gregorian year 0).
            const EasterDate g = OrthodoxGregorianEaster(y);
            ASSERT_EQ(GregorianToJD(g.day, g.month, y + 1), jd) << "Orthodox Gregorian " << y;
        }
    }
}

// Years before AD 1 continue the cycles of the later years: the Julian computus repeats every
// 532 years and the Gregorian every 5 700 000 years, across the change from BC to AD.
TEST(EasterDates, YearsBeforeAD1ContinueTheCycles) {
    for (int y = -4801; y <= 0; ++y) {
        ASSERT_EQ(CatholicEaster(y), CatholicEaster(y + 5700000)) << y;
        if (y == 0) continue;
        const int astronomical = y + 1;  // Julian years are historical: -1 is 1 BC
        ASSERT_EQ(OrthodoxJulianEaster(y), OrthodoxJulianEaster(astronomical + 10 * 532)) << y;
    }
    EXPECT_EQ(OrthodoxJulianEaster(0), OrthodoxJulianEaster(-1));  // 0 read as 1 BC
}

}  // namespace
