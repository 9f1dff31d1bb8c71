// The local date of a region: which transition applies, the Gregorian rule, the year numbers
// of eras and styles, and the five texts of a row.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "history/core/local_date.h"
#include "history/core/local_date_row.h"
#include "history_test_util.h"

using namespace chronel;
using namespace chronel::testing_history;

namespace {

class LocalDateTest : public ::testing::Test {
protected:
    LocalDate At(const CRegion& r, const CurrentDay& day) const { return ComputeLocalDate(r, day, c.eras, c.styles); }
    Catalogues c;
};

struct YearCase {
    const char* what;
    int era, style;
    int day, month, year;  // Julian date, historical year
    int expectedYear;
};

// Year numbers on each side of a style's first day of the year, with the eras they go with,
// and BC days, which enter the formula in astronomical numbering.
TEST_F(LocalDateTest, EraYearChangesOnTheStylesFirstDay) {
    const YearCase cases[] = {
        {"Old Style, before 25 March", kAnnoDomini, kOldStyle, 10, 2, 1700, 1699},
        {"Old Style, 24 March", kAnnoDomini, kOldStyle, 24, 3, 1700, 1699},
        {"Old Style, 25 March", kAnnoDomini, kOldStyle, 25, 3, 1700, 1700},
        {"Old Style, 31 December", kAnnoDomini, kOldStyle, 31, 12, 1751, 1751},
        {"March Style, 28 February", kAnnoMundi, kMarchStyle, 28, 2, 1400, 6907},
        {"March Style, leap day", kAnnoMundi, kMarchStyle, 29, 2, 1400, 6907},
        {"March Style, 1 March", kAnnoMundi, kMarchStyle, 1, 3, 1400, 6908},
        {"September Style, 31 August", kByzantine, kSeptemberStyle, 31, 8, 1500, 7008},
        {"September Style, 1 September", kByzantine, kSeptemberStyle, 1, 9, 1500, 7009},
        {"New Style, 31 December", kAnnoDomini, kNewStyle, 31, 12, 1999, 1999},
        {"New Style, 1 January", kAnnoDomini, kNewStyle, 1, 1, 2000, 2000},
        {"Ab Urbe condita in 753 BC", kAbUrbeCondita, kNewStyle, 21, 4, -753, 1},
        {"Ab Urbe condita in 754 BC", kAbUrbeCondita, kNewStyle, 31, 12, -754, 0},
        {"Olympic era in 776 BC", kOlympic, kNewStyle, 1, 1, -776, 1},
        {"Olympic era, September Style, 31 August 775 BC", kOlympic, kSeptemberStyle, 31, 8, -775, 1},
        {"Olympic era, September Style, 1 September 775 BC", kOlympic, kSeptemberStyle, 1, 9, -775, 2},
        {"Diocletian era, 31 December 284", kDiocletian, kNewStyle, 31, 12, 284, 0},
        {"Diocletian era, 1 January 285", kDiocletian, kNewStyle, 1, 1, 285, 1},
        {"offset 0 in 44 BC", kBeforeChrist, kNewStyle, 15, 3, -44, -43},
        {"1 BC is year 0", kAnnoDomini, kNewStyle, 1, 6, -1, 0},
        {"2 BC is year -1", kAnnoDomini, kNewStyle, 1, 6, -2, -1},
        {"1 BC before 25 March, Old Style", kAnnoDomini, kOldStyle, 24, 3, -1, -1},
        {"AD 1 before 25 March, Old Style", kAnnoDomini, kOldStyle, 24, 3, 1, 0},
        {"world era, September Style, 1 BC", kByzantine, kSeptemberStyle, 1, 9, -1, 5509},
    };
    for (const YearCase& k : cases) {
        SCOPED_TRACE(k.what);
        const CRegion r = Region({Jul(k.era, k.style, 1, 1, -4713)});
        const LocalDate d = At(r, OnJulian(k.day, k.month, k.year));
        ASSERT_EQ(d.reckoning, LocalReckoning::Julian);
        EXPECT_EQ(d.day, k.day);
        EXPECT_EQ(d.month, k.month);
        EXPECT_EQ(d.year, k.expectedYear);
        EXPECT_EQ(d.eraName, c.eras[static_cast<std::size_t>(k.era)].m_name);
        EXPECT_EQ(d.styleName, c.styles[static_cast<std::size_t>(k.style)].m_name);
    }
}

TEST_F(LocalDateTest, NothingBeforeTheFirstTransitionItsOwnDayAlreadyCounts) {
    const CRegion r = Region({Jul(kAnnoDomini, kNewStyle, 21, 4, 1000), Switch(4, 10, 1582)});
    const double first = JulianToJD(21, 4, 1000);
    EXPECT_EQ(At(r, CurrentDayAt(first - 1.0)).reckoning, LocalReckoning::BeforeFirstTransition);
    EXPECT_EQ(At(r, CurrentDayAt(first - 0.01)).reckoning, LocalReckoning::BeforeFirstTransition);
    EXPECT_EQ(At(r, CurrentDayAt(first)).reckoning, LocalReckoning::Julian);
    EXPECT_EQ(At(r, CurrentDayAt(first)).day, 21);
}

// A switch dated D: the Julian date with the switch line's own era and style on D (at
// midnight), the Gregorian date from D + 1; a moment of D later than midnight is after it.
TEST_F(LocalDateTest, GregorianFromTheDayAfterTheSwitchOrLaterTheSameDay) {
    const CRegion r = Region({Jul(kAnnoDomini, kNewStyle, 1, 1, 1000), Switch(4, 10, 1582, kByzantine, kSeptemberStyle)});
    const double d = JulianToJD(4, 10, 1582);

    const LocalDate before = At(r, CurrentDayAt(d - 1.0));
    EXPECT_EQ(before.reckoning, LocalReckoning::Julian);
    EXPECT_EQ(before.eraName, "Anno Domini");
    EXPECT_EQ(before.year, 1582);

    const LocalDate onTheDay = At(r, CurrentDayAt(d));
    ASSERT_EQ(onTheDay.reckoning, LocalReckoning::Julian);
    EXPECT_EQ(onTheDay.day, 4);
    EXPECT_EQ(onTheDay.month, 10);
    EXPECT_EQ(onTheDay.year, 7091);  // the switch line's own era and style
    EXPECT_EQ(onTheDay.eraName, "Byzantine Era");
    EXPECT_EQ(onTheDay.styleName, "September Style");

    const LocalDate next = At(r, CurrentDayAt(d + 1.0));
    ASSERT_EQ(next.reckoning, LocalReckoning::Gregorian);
    EXPECT_EQ(next.day, 15);
    EXPECT_EQ(next.month, 10);
    EXPECT_EQ(next.year, 1582);
    EXPECT_EQ(next.eraName, "Anno Domini");
    EXPECT_EQ(next.styleName, "New Style");

    // Later moments of D typed as a Julian Day (noon is D's midnight + 0.5): the day is still
    // Julian 4 October, but the moment lies after the switch's midnight, so the row already
    // gives the Gregorian date of that day as the window has it, 14 October.
    for (const double later : {d + 0.5, d + 0.25, d + 0.999}) {
        SCOPED_TRACE(later);
        const LocalDate sameDay = At(r, CurrentDayAt(later));
        ASSERT_EQ(sameDay.reckoning, LocalReckoning::Gregorian);
        EXPECT_EQ(sameDay.day, 14);
        EXPECT_EQ(sameDay.month, 10);
        EXPECT_EQ(sameDay.year, 1582);
    }
}

// The Gregorian date comes as given by the caller: the row does not recompute it.
TEST_F(LocalDateTest, GregorianDateIsTakenAsGiven) {
    const CRegion r = Region({Jul(kAnnoDomini, kNewStyle, 1, 1, 1000), Switch(4, 10, 1582)});
    CurrentDay day = OnGregorian(1, 1, 2000);
    day.gregorian = {7, 8, 1999};
    const LocalDate d = At(r, day);
    ASSERT_EQ(d.reckoning, LocalReckoning::Gregorian);
    EXPECT_EQ(d.day, 7);
    EXPECT_EQ(d.month, 8);
    EXPECT_EQ(d.year, 1999);
}

TEST_F(LocalDateTest, SingleTransitionRegionStaysJulianEvenWithTheSwitchCode) {
    const CRegion r = Region({Switch(4, 10, 1582, kAnnoDomini, kOldStyle)});
    const LocalDate d = At(r, OnGregorian(1, 1, 2000));  // Julian 19 December 1999
    ASSERT_EQ(d.reckoning, LocalReckoning::Julian);
    EXPECT_EQ(d.day, 19);
    EXPECT_EQ(d.month, 12);
    EXPECT_EQ(d.year, 1999);
    EXPECT_EQ(d.styleName, "Old Style");
}

TEST_F(LocalDateTest, AmongEqualDatesTheLaterEntryWins) {
    const CTransition newStyle = Jul(kAnnoDomini, kNewStyle, 1, 1, 1000);
    const CTransition oldStyle = Jul(kAnnoDomini, kOldStyle, 1, 1, 1000);
    const CurrentDay feb = OnJulian(1, 2, 1000);
    EXPECT_EQ(At(Region({newStyle, oldStyle}), feb).year, 999);
    EXPECT_EQ(At(Region({oldStyle, newStyle}), feb).year, 1000);

    // A region whose reckoning starts after the reform: Julian line and switch on the same day.
    const CRegion late = Region({Jul(kAnnoDomini, kNewStyle, 14, 1, 1788), Switch(14, 1, 1788)});
    EXPECT_EQ(At(late, OnJulian(13, 1, 1788)).reckoning, LocalReckoning::BeforeFirstTransition);
    EXPECT_EQ(At(late, OnJulian(14, 1, 1788)).reckoning, LocalReckoning::Julian);
    const LocalDate next = At(late, OnJulian(15, 1, 1788));
    EXPECT_EQ(next.reckoning, LocalReckoning::Gregorian);
    EXPECT_EQ(next.day, 26);
}

TEST_F(LocalDateTest, ALaterJulianLineTakesARegionBackFromGregorian) {
    const CRegion r = Region({Jul(kAnnoDomini, kNewStyle, 1, 1, 1253), Switch(21, 12, 1585),
                              Jul(kAnnoDomini, kNewStyle, 1, 1, 1800), Switch(15, 11, 1915)});
    EXPECT_EQ(At(r, OnJulian(31, 12, 1799)).reckoning, LocalReckoning::Gregorian);
    const LocalDate back = At(r, OnJulian(1, 1, 1800));
    EXPECT_EQ(back.reckoning, LocalReckoning::Julian);
    EXPECT_EQ(back.day, 1);
    EXPECT_EQ(At(r, OnJulian(16, 11, 1915)).reckoning, LocalReckoning::Gregorian);
}

// Nothing is read outside the list or the catalogues.
TEST_F(LocalDateTest, EmptyListOrIndexOutsideTheCataloguesIsUnavailable) {
    const CurrentDay day = OnGregorian(1, 1, 2000);
    EXPECT_EQ(At(Region({}), day).reckoning, LocalReckoning::Unavailable);
    EXPECT_EQ(At(Region({Jul(7, kNewStyle, 1, 1, 1000)}), day).reckoning, LocalReckoning::Unavailable);
    EXPECT_EQ(At(Region({Jul(-1, kNewStyle, 1, 1, 1000)}), day).reckoning, LocalReckoning::Unavailable);
    EXPECT_EQ(At(Region({Jul(kAnnoDomini, 4, 1, 1, 1000)}), day).reckoning, LocalReckoning::Unavailable);
    EXPECT_EQ(At(Region({Jul(kAnnoDomini, -1, 1, 1, 1000)}), day).reckoning, LocalReckoning::Unavailable);
    const CRegion good = Region({Jul(kAnnoDomini, kNewStyle, 1, 1, 1000)});
    EXPECT_EQ(ComputeLocalDate(good, day, {}, c.styles).reckoning, LocalReckoning::Unavailable);
    EXPECT_EQ(ComputeLocalDate(good, day, c.eras, {}).reckoning, LocalReckoning::Unavailable);
    // After a switch the catalogues are not needed.
    const CRegion switched = Region({Jul(kAnnoDomini, kNewStyle, 1, 1, 1000), Switch(4, 10, 1582, 99, 99)});
    EXPECT_EQ(At(switched, day).reckoning, LocalReckoning::Gregorian);
    EXPECT_EQ(At(switched, OnJulian(4, 10, 1582)).reckoning, LocalReckoning::Unavailable);
}

TEST(FindRegionByName, ExactCaseSensitiveFirstMatch) {
    std::vector<CRegion> regions = {Region({}, "Russia"), Region({}, "Diocese of Mu\"nster"), Region({}, "Russia")};
    EXPECT_EQ(FindRegionByName(regions, "Russia"), 0u);
    EXPECT_EQ(FindRegionByName(regions, "Diocese of Mu\"nster"), 1u);
    EXPECT_FALSE(FindRegionByName(regions, "russia"));
    EXPECT_FALSE(FindRegionByName(regions, "Russia "));
    EXPECT_FALSE(FindRegionByName(regions, ""));
    EXPECT_FALSE(FindRegionByName({}, "Russia"));
}

TEST_F(LocalDateTest, RowTextsOrPlaceholderInAllFiveFields) {
    const LocalDateRowTexts dashes = {"-----", "-----", "-----", "-----", "-----"};
    const std::vector<CRegion> regions = {
        Region({Jul(kAnnoDomini, kNewStyle, 1, 1, 1000), Switch(4, 10, 1582)}, "Europe"),
        Region({Jul(kBeforeChrist, kNewStyle, 1, 1, -4713)}, "Early"),
        Region({}, "Empty"),
    };
    const auto row = [&](std::string_view name, const CurrentDay& day) {
        return LocalDateRowFor(regions, name, day, c.eras, c.styles, kMonthNames);
    };
    EXPECT_EQ(row("Europe", OnJulian(4, 10, 1582)),
              (LocalDateRowTexts{"4", "October", "1582", "Anno Domini", "New Style"}));
    EXPECT_EQ(row("Europe", OnJulian(5, 10, 1582)),
              (LocalDateRowTexts{"15", "October", "1582", "Anno Domini", "New Style"}));
    EXPECT_EQ(row("Early", OnJulian(1, 1, -44)), (LocalDateRowTexts{"1", "January", "-43", "Before Christ", "New Style"}));
    EXPECT_EQ(row("Europe", OnJulian(31, 12, 999)), dashes);  // before the first transition
    EXPECT_EQ(row("Empty", OnJulian(1, 1, 2000)), dashes);    // a region without a list
    EXPECT_EQ(row("Nowhere", OnJulian(1, 1, 2000)), dashes);  // not loaded (short or missing file)
    EXPECT_EQ(LocalDateRowFor({}, "Europe", OnJulian(1, 1, 2000), c.eras, c.styles, kMonthNames), dashes);

    // A month the names table does not have never indexes it.
    LocalDate odd;
    odd.reckoning = LocalReckoning::Gregorian;
    odd.day = 1;
    odd.month = 13;
    EXPECT_EQ(FormatLocalDateRow(odd, kMonthNames), dashes);
    odd.month = 0;
    EXPECT_EQ(FormatLocalDateRow(odd, kMonthNames), dashes);
}

}  // namespace
