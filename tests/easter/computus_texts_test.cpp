#include "easter/core/computus_texts.h"

#include <array>
#include <string>

#include <gtest/gtest.h>

using namespace chronel;

namespace {

const std::array<std::string, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

struct Case {
    int gregorianYear, julianYear;
    const char *catholicDay, *catholicMonth;
    const char *julianDay, *julianMonth;
    const char *gregorianDay, *gregorianMonth;
    bool noteVisible;
};

TEST(ComputusTexts, FieldsForTheYearsShown) {
    const Case cases[] = {
        {2008, 2008, "23", "March", "14", "April", "27", "April", false},
        {2009, 2009, "12", "April", "6", "April", "19", "April", false},
        {2010, 2010, "4", "April", "22", "March", "4", "April", false},
        {2000, 2000, "23", "April", "17", "April", "30", "April", false},
        {1818, 1818, "22", "March", "14", "April", "26", "April", false},
        {2285, 2285, "22", "March", "11", "April", "26", "April", false},
        {1583, 1583, "10", "April", "31", "March", "10", "April", false},
        {1582, 1582, "18", "April", "15", "April", "25", "April", true},
        {1000, 1000, "30", "March", "31", "March", "6", "April", true},
        // 5 January 2009 is 23 December 2008 Julian: each reckoning follows its own year.
        {2009, 2008, "12", "April", "14", "April", "27", "April", false},
        // 5 January 1583 is still Julian 1582: the note follows the Julian year.
        {1583, 1582, "10", "April", "15", "April", "25", "April", true},
        // Before AD 1, worked by hand: astronomical year -2 (3 BC), and year 0 (1 BC).
        {-2, -3, "5", "April", "31", "March", "29", "March", true},
        {0, -1, "9", "April", "11", "April", "9", "April", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.gregorianYear << " / " << c.julianYear);
        const ComputusTexts t = MakeComputusTexts(c.gregorianYear, c.julianYear, kMonthNames);
        EXPECT_EQ(t.catholicDay, c.catholicDay);
        EXPECT_EQ(t.catholicMonth, c.catholicMonth);
        EXPECT_EQ(t.orthodoxJulianDay, c.julianDay);
        EXPECT_EQ(t.orthodoxJulianMonth, c.julianMonth);
        EXPECT_EQ(t.orthodoxGregorianDay, c.gregorianDay);
        EXPECT_EQ(t.orthodoxGregorianMonth, c.gregorianMonth);
        // The note is filled whether or not it is shown.
        EXPECT_EQ(t.note, std::string("Current year < 1583 AD. True Easter date is the Orthodox "
                                      "Julian one: ") +
                              c.julianDay + " " + c.julianMonth);
        EXPECT_EQ(t.noteVisible, c.noteVisible);
    }
}

}  // namespace
