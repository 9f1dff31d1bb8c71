// The inverse of the local date: which days a region wrote as a given day, month and year.
//
// Reference values: the England case (Julian 10 February 1751, written 1750 under the Lady Day
// year, is Gregorian 21 February 1751, a Sunday, Julian Day Number 2360651, so its midnight is
// JD 2360650.5; checked against Python's proleptic datetime.date, 1 January 2000 = JD
// 2451544.5 minus 90 894 days) and the reform gaps are the published dates of the Calendar Act
// 1750 and of Inter gravissimas (1582); the Julian-Gregorian
// difference of 10 days before 1 March 1700 and the Byzantine year 7208 beginning on
// 1 September 1699 (Julian) follow from E. G. Richards, Mapping Time (1998), ch. 16 and 25.
// Everything else checks the inverse against the forward computation itself: every day it
// returns must show the typed text, and every day that shows the text must be returned.

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "history/core/local_date.h"
#include "history/core/region_names.h"
#include "history/core/transitions_file.h"
#include "history/core/written_date.h"
#include "history/core/written_date_text.h"
#include "history_test_util.h"

using namespace chronel;
using namespace chronel::testing_history;

namespace {

class WrittenDateTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_regions = new std::vector<CRegion>;
        std::ostringstream errors;
        LoadTransitions(std::string(CHRONEL_SOURCE_DIR) + "/Data/Transitions.txt", *s_regions, errors);
    }
    static void TearDownTestSuite() {
        delete s_regions;
        s_regions = nullptr;
    }

    // Parses text ("10 February 1750", "1 9 7208 Byzantine") and looks it up in the region.
    WrittenDateLookup Lookup(std::string_view region, std::string_view text) const {
        const WrittenDateParse parsed = ParseWrittenDate(text, c.eras, kMonthNames);
        if (!parsed.date) {
            ADD_FAILURE() << "cannot parse " << text << ": " << parsed.error;
            return {};
        }
        return FindWrittenDateIn(*s_regions, region, *parsed.date, c.eras, c.styles, kMonthNames);
    }
    LocalDate Forward(const CRegion& r, double jd) const { return ComputeLocalDate(r, CurrentDayAt(jd), c.eras, c.styles); }

    static std::vector<CRegion>* s_regions;
    Catalogues c;
};

std::vector<CRegion>* WrittenDateTest::s_regions = nullptr;

std::vector<double> Days(const WrittenDateLookup& r) {
    std::vector<double> days;
    for (const Reading& reading : r.readings) days.push_back(reading.jd);
    return days;
}

TEST_F(WrittenDateTest, EnglandLadyDayYear) {
    const WrittenDateLookup r = Lookup("United Kingdom", "10 February 1750");
    ASSERT_EQ(r.readings.size(), 1u) << r.explanation;
    EXPECT_EQ(r.problem, WrittenDateProblem::None);
    EXPECT_TRUE(r.explanation.empty());
    const Reading& reading = r.readings.front();
    EXPECT_EQ(reading.jd, 2360650.5);
    EXPECT_EQ(JDToJulian(reading.jd), (CalendarDate{10, 2, 1751}));
    EXPECT_EQ(JDToGregorian(reading.jd), (CalendarDate{21, 2, 1751}));
    EXPECT_EQ(WeekdayOf(reading.jd), 0);  // Sunday
    EXPECT_EQ(reading.local.reckoning, LocalReckoning::Julian);
    EXPECT_EQ(reading.local.eraName, "Anno Domini");
    EXPECT_EQ(reading.local.styleName, "Old Style");

    // The same day as a dual year, in both spellings; the short and the long form agree.
    EXPECT_EQ(Days(Lookup("United Kingdom", "10 Feb 1750/51")), std::vector<double>{2360650.5});
    EXPECT_EQ(Days(Lookup("United Kingdom", "10 february 1750/1751")), std::vector<double>{2360650.5});
    // Region names are also found ignoring case.
    EXPECT_EQ(Days(Lookup("united kingdom", "10 2 1750")), std::vector<double>{2360650.5});
}

struct ReadingCase {
    const char* region;
    const char* text;
    std::vector<CalendarDate> julian;  // the Julian dates of the readings, historical years, ascending
};

TEST_F(WrittenDateTest, HandCheckedReadings) {
    const ReadingCase cases[] = {
        // Byzantine year 7208 began on 1 September 1699; in 1700 Russia counted from the Nativity,
        // and from 1918 the Gregorian 7208 is written the same way again.
        {"Russia", "1 September 7208 Byzantine Era", {{1, 9, 1699}}},
        {"Russia", "1 9 7208", {{1, 9, 1699}, JDToJulian(GregorianToJD(1, 9, 7208))}},
        // Peter I ended the year 7208 after four months: its last day was 31 December 1699.
        {"Russia", "31 December 7208", {{31, 12, 1699}, JDToJulian(GregorianToJD(31, 12, 7208))}},
        {"Russia", "1 January 7208 Byzantine", {}},
        // Rome founded on 21 April 753 BC (Varro): Ab Urbe condita 1; the consular year 601
        // began on 1 January 153 BC.
        {"Rome Empire", "21 April 1 Ab Urbe condita", {{21, 4, -753}}},
        {"Rome Empire", "1 January 601", {{1, 1, -153}}},
        // Written on two days: Lithuania went back to the Julian calendar on 1 January 1800,
        // eleven days after the Gregorian 1 January 1800.
        {"Lithuania", "5 January 1800", {{25, 12, 1799}, {5, 1, 1800}}},
        // Gibraltar, Gregorian under Spain, Julian with the Lady Day year from the British capture.
        {"Gibraltar", "10 February 1704", {JDToJulian(GregorianToJD(10, 2, 1704)), {10, 2, 1705}}},
        // The switch's own day is still Julian; the next day Gregorian.
        {"Italy", "4 October 1582", {{4, 10, 1582}}},
        {"Italy", "15 October 1582", {{5, 10, 1582}}},
        // Venetian Cyprus: March year, so February 1500 was in Julian 1501.
        {"Cyprus", "10 Feb 1500/01", {{10, 2, 1501}}},
    };
    for (const ReadingCase& k : cases) {
        SCOPED_TRACE(std::string(k.region) + ": " + k.text);
        const WrittenDateLookup r = Lookup(k.region, k.text);
        std::vector<CalendarDate> got;
        for (const Reading& reading : r.readings) got.push_back(JDToJulian(reading.jd));
        EXPECT_EQ(got, k.julian) << r.explanation;
    }
    // The Julian 1 September 1699 is the Gregorian 11 September (10 days apart until 1700).
    EXPECT_EQ(JDToGregorian(Lookup("Russia", "1 9 7208").readings.front().jd), (CalendarDate{11, 9, 1699}));
}

struct ProblemCase {
    const char* region;
    const char* text;
    WrittenDateProblem problem;
    const char* sentence;  // nullptr: only the kind is checked
};

TEST_F(WrittenDateTest, NoReadingSaysWhy) {
    using P = WrittenDateProblem;
    const ProblemCase cases[] = {
        {"United Kingdom", "10 September 1752", P::ReformGap,
         "In United Kingdom the day after 2 September 1752 was 14 September 1752."},
        {"Italy", "10 October 1582", P::ReformGap, "In Italy the day after 4 October 1582 was 15 October 1582."},
        // Denmark went from 18 February to 1 March 1700: the Julian leap day fell in the gap.
        {"Denmark", "29 February 1700", P::ReformGap, "In Denmark the day after 18 February 1700 was 1 March 1700."},
        {"Italy", "29 February 1700", P::MonthTooShort,
         "In Italy February 1700 had only 28 days: the Gregorian calendar was in force."},
        {"Russia", "29 February 1701", P::MonthTooShort,
         "In Russia February 1701 had only 28 days: the Julian calendar was in force."},
        {"United Kingdom", "1 February 1751", P::YearCutShort,
         "In United Kingdom the year 1751 (Old Style) ran from 25 March 1751 to 31 December 1751, so it had no "
         "1 February."},
        {"Rome Empire", "1 February 600", P::YearCutShort,
         "In Rome Empire the year 600 (March Style) ran from 1 March 600 to 31 December 600, so it had no "
         "1 February."},
        {"Russia", "1 January 900", P::BeforeHistory,
         "The calendar history of Russia begins on 1 March 6496; 1 January 900 lies before it."},
        {"Italy", "1 January 2000000", P::OutsideRange,
         "Days are kept from 1 March 4801 BC to 31 December 1000000 (Gregorian); 1 January 2000000 lies outside."},
        {"Russia", "1 January 1650", P::NotWrittenThen,
         "In Russia no day was written 1 January 1650: years were counted there in the Anno Domini (New Style) "
         "from 1 January 1700 to 31 January 1918."},
        {"United Kingdom", "1 January 1750 Byzantine", P::EraNotUsed,
         "United Kingdom never counted years in the Byzantine Era."},
        {"United Kingdom", "10 May 1750/51", P::NotADualDate,
         "10 May 1750/51 is not a dual date: in United Kingdom 10 May 1750 was written in the Old Style, where the "
         "two counts of the year differ only from 1 January to 24 March."},
        {"United Kingdom", "10 February 1800/01", P::NotADualDate,
         "10 February 1800/01 is not a dual date: in United Kingdom 10 February 1800 was written in the Gregorian "
         "calendar, whose year begins on 1 January."},
        {"Russia", "1 February 7207/08", P::NotADualDate,
         "1 February 7207/08 is not a dual date: in Russia 1 February 7207 was written in the September Style, whose "
         "year begins before the January year and is not written double."},
        {"Russia", "1 January 7208 Byzantine", P::YearCutShort,
         "In Russia the year 7208 (September Style) ran from 1 September 7208 to 31 December 7208, so it had no "
         "1 January."},
        {"United Kingdom", "10 February 1750/52", P::BadDualYear,
         "In the dual year 1750/1752 the second number must be the year counted from 1 January, 1751."},
        {"United Kingdom", "31 April 1750", P::InvalidDate, "April never has 31 days, so there is no 31 April."},
        {"Atlantis", "1 January 1750", P::UnknownRegion, "There is no region named \"Atlantis\"."},
    };
    for (const ProblemCase& k : cases) {
        SCOPED_TRACE(std::string(k.region) + ": " + k.text);
        const WrittenDateLookup r = Lookup(k.region, k.text);
        EXPECT_TRUE(r.readings.empty());
        EXPECT_EQ(r.problem, k.problem) << r.explanation;
        if (k.sentence != nullptr) {
            EXPECT_EQ(r.explanation, k.sentence);
        }
        EXPECT_FALSE(r.explanation.empty());
    }
}

TEST_F(WrittenDateTest, MissingHistoryIsAnErrorNotAnIndex) {
    const WrittenDate w{10, 2, 1750, std::nullopt, std::nullopt};
    const std::vector<CRegion> none;
    const WrittenDateLookup notLoaded = FindWrittenDateIn(none, "Italy", w, c.eras, c.styles, kMonthNames);
    EXPECT_EQ(notLoaded.problem, WrittenDateProblem::NoHistory);
    EXPECT_EQ(notLoaded.explanation, "No calendar history is loaded for Italy.");
    const WrittenDateLookup empty = FindWrittenDate(Region({}), w, c.eras, c.styles, kMonthNames);
    EXPECT_EQ(empty.problem, WrittenDateProblem::NoHistory);
    WrittenDate badEra = w;
    badEra.era = 7;
    EXPECT_EQ(FindWrittenDate(Region({Jul(kAnnoDomini, kNewStyle, 1, 1, 1)}), badEra, c.eras, c.styles, kMonthNames).problem,
              WrittenDateProblem::UnknownEra);
}

// A list out of date order is inverted by the same rule the forward scan applies (the later
// entry wins), and a single Gregorian-coded entry stays Julian.
TEST_F(WrittenDateTest, UnusualListsFollowTheForwardRule) {
    const std::vector<CRegion> regions = {
        Region({Jul(kAnnoDomini, kNewStyle, 1, 1, 1500), Jul(kAnnoDomini, kOldStyle, 1, 1, 1400)}),
        Region({Switch(4, 10, 1582)}),
        Region({Jul(kAnnoDomini, kNewStyle, 1, 1, 1000), Switch(4, 10, 1582), Jul(kByzantine, kSeptemberStyle, 1, 1, 1200)}),
    };
    for (const CRegion& r : regions) {
        for (double jd : {JulianToJD(1, 1, 1401), JulianToJD(10, 2, 1550), JulianToJD(4, 10, 1582),
                          JulianToJD(10, 10, 1582), JulianToJD(1, 6, 1700)}) {
            const LocalDate shown = Forward(r, jd);
            if (!shown.HasDate()) continue;
            const WrittenDate w{shown.day, shown.month, shown.year, std::nullopt, std::nullopt};
            const std::vector<double> days = Days(FindWrittenDate(r, w, c.eras, c.styles, kMonthNames));
            EXPECT_NE(std::find(days.begin(), days.end(), jd), days.end()) << FormatLocalDate(shown, kMonthNames);
        }
    }
}

// The days whose inverse the property test checks in one region: every transition's date and
// the days around it, the days around each style's new year near the start and end of each
// transition's reign, and an even spread from the first transition to AD 2100.
std::vector<double> SampleDays(const CRegion& r, std::span<const CYearStyle> styles) {
    std::vector<double> days;
    const auto& list = r.m_transitions;
    const double first = TransitionDayNumber(list.front());
    const double end = GregorianToJD(31, 12, 2100);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const double d = TransitionDayNumber(list[i]);
        for (int k = -3; k <= 3; ++k) days.push_back(d + k);
        const CYearStyle& style = styles[static_cast<std::size_t>(list[i].m_style)];
        const int from = list[i].m_year;
        const int to = i + 1 < list.size() ? list[i + 1].m_year : from + 3;
        for (int year : {from - 1, from, from + 1, to - 1, to, to + 1}) {
            if (year == 0) continue;
            const double newYear = JulianToJD(style.m_startDay, style.m_startMonth, year);
            for (int k = -2; k <= 2; ++k) days.push_back(newYear + k);
            const double januaryFirst = JulianToJD(1, 1, year);
            for (int k = -1; k <= 1; ++k) days.push_back(januaryFirst + k);
        }
    }
    for (int k = 0; k <= 200; ++k) days.push_back(std::floor(first + (end - first) * k / 200.0 + 0.5) - 0.5);
    days.erase(std::remove_if(days.begin(), days.end(), [&](double d) { return d < kMinSupportedJD; }), days.end());
    return days;
}

// The exact-inverse property for all 76 regions of the shipped file: a row typed back returns
// its day, with and without the era, and as a dual year where one was written; every reading
// shows the typed text.
TEST_F(WrittenDateTest, EveryShownRowTypedBackReturnsItsDay) {
    ASSERT_EQ(s_regions->size(), kRegionCount);
    for (const CRegion& r : *s_regions) {
        SCOPED_TRACE(r.m_name);
        for (double jd : SampleDays(r, c.styles)) {
            const LocalDate shown = Forward(r, jd);
            if (!shown.HasDate()) continue;
            const auto era = FindEraByName(c.eras, shown.eraName);
            ASSERT_TRUE(era);
            const WrittenDate plain{shown.day, shown.month, shown.year, std::nullopt, std::nullopt};
            WrittenDate withEra = plain;
            withEra.era = era;
            std::vector<WrittenDate> forms = {plain, withEra};
            const CYearStyle* style = nullptr;
            for (const CYearStyle& s : c.styles) {
                if (s.m_name == shown.styleName) style = &s;
            }
            ASSERT_NE(style, nullptr);
            const bool dual = shown.reckoning == LocalReckoning::Julian && StyleHasDualYears(*style) &&
                              (shown.month < style->m_startMonth ||
                               (shown.month == style->m_startMonth && shown.day < style->m_startDay));
            if (dual) {
                WrittenDate d = plain;
                d.dualYear = plain.year + 1;
                forms.push_back(d);
            }
            for (const WrittenDate& w : forms) {
                const WrittenDateLookup found = FindWrittenDate(r, w, c.eras, c.styles, kMonthNames);
                const std::vector<double> days = Days(found);
                ASSERT_NE(std::find(days.begin(), days.end(), jd), days.end())
                    << "JD " << jd << " shows " << FormatWrittenDate(w, kMonthNames) << "; " << found.explanation;
                ASSERT_TRUE(std::is_sorted(days.begin(), days.end()));
                for (const Reading& reading : found.readings) {
                    const LocalDate back = Forward(r, reading.jd);
                    ASSERT_EQ(std::tie(back.day, back.month, back.year), std::tie(w.day, w.month, w.year))
                        << "reading JD " << reading.jd;
                    ASSERT_EQ(back.eraName, reading.local.eraName);
                    if (w.era) {
                        ASSERT_EQ(back.eraName, shown.eraName);
                    }
                }
            }
        }
    }
}

// No other day: around every transition, every day of a two-year window that shows a text is
// among that text's readings, and the readings inside the window are exactly those days.
TEST_F(WrittenDateTest, NoOtherDayInAWindowShowsTheText) {
    for (const CRegion& r : *s_regions) {
        SCOPED_TRACE(r.m_name);
        for (const CTransition& t : r.m_transitions) {
            const double centre = TransitionDayNumber(t);
            const double lo = std::max(centre - 400.0, kMinSupportedJD);
            const double hi = centre + 400.0;
            std::map<std::tuple<int, int, int>, std::vector<double>> shownOn;
            for (double jd = lo; jd <= hi; jd += 1.0) {
                const LocalDate shown = Forward(r, jd);
                if (shown.HasDate()) shownOn[{shown.day, shown.month, shown.year}].push_back(jd);
            }
            for (const auto& [text, days] : shownOn) {
                const auto [day, month, year] = text;
                const WrittenDate w{day, month, year, std::nullopt, std::nullopt};
                std::vector<double> inWindow;
                for (double jd : Days(FindWrittenDate(r, w, c.eras, c.styles, kMonthNames))) {
                    if (jd >= lo && jd <= hi) inWindow.push_back(jd);
                }
                ASSERT_EQ(inWindow, days) << FormatWrittenDate(w, kMonthNames);
            }
        }
    }
}

struct ParseCase {
    const char* text;
    int day, month, year;
    std::optional<int> dualYear;
    std::optional<int> era;
};

TEST_F(WrittenDateTest, ReadsWrittenDates) {
    const ParseCase good[] = {
        {"10 February 1750", 10, 2, 1750, std::nullopt, std::nullopt},
        {"  10   Feb  1750/51 ", 10, 2, 1750, 1751, std::nullopt},
        {"10 feb. 1750/1751", 10, 2, 1750, 1751, std::nullopt},
        {"1 9 7208", 1, 9, 7208, std::nullopt, std::nullopt},
        {"1 Sept 7208 byzantine era", 1, 9, 7208, std::nullopt, kByzantine},
        {"1 SEPTEMBER 7208 Byzantine", 1, 9, 7208, std::nullopt, kByzantine},
        {"5 3 1699/00", 5, 3, 1699, 1700, std::nullopt},
        {"5 3 1699/1", 5, 3, 1699, 1701, std::nullopt},  // kept as read; the lookup rejects it
        {"21 April -752 Ab Urbe Condita", 21, 4, -752, std::nullopt, kAbUrbeCondita},
        {"15 Mar +44", 15, 3, 44, std::nullopt, std::nullopt},
        {"1 1 2000 ad", 1, 1, 2000, std::nullopt, kAnnoDomini},
        {"1 9 776 Olympic", 1, 9, 776, std::nullopt, kOlympic},
    };
    for (const ParseCase& k : good) {
        SCOPED_TRACE(k.text);
        const WrittenDateParse p = ParseWrittenDate(k.text, c.eras, kMonthNames);
        ASSERT_TRUE(p.date) << p.error;
        EXPECT_EQ(*p.date, (WrittenDate{k.day, k.month, k.year, k.dualYear, k.era}));
    }
    for (const char* bad : {"", "10 February", "10 Febuary 1750", "0 2 1750", "32 1 1750", "10 13 1750",
                            "10 2 17x0", "10 2 1750/5x", "10 2 -5/-4", "10 2 0/1", "10 2 99999999999",
                            "10 2 1750 Anno Nothing", "15 3 44 BC", "10 2 +-5", "10 2 2147483647/8"}) {
        SCOPED_TRACE(bad);
        const WrittenDateParse p = ParseWrittenDate(bad, c.eras, kMonthNames);
        EXPECT_FALSE(p.date);
        EXPECT_FALSE(p.error.empty());
    }
    // The three fields of a row, read apart.
    const WrittenDateParse fields = ParseWrittenFields(" 10 ", "feb", "1750/51 ", "", c.eras, kMonthNames);
    ASSERT_TRUE(fields.date) << fields.error;
    EXPECT_EQ(*fields.date, (WrittenDate{10, 2, 1750, 1751, std::nullopt}));
    EXPECT_FALSE(ParseWrittenFields("10", "feb", "", "", c.eras, kMonthNames).date);
    EXPECT_EQ(FormatWrittenDate({5, 3, 1699, 1700, std::nullopt}, kMonthNames), "5 March 1699/00");
    EXPECT_EQ(ParseWeekday(" sun "), 0);
    EXPECT_EQ(ParseWeekday("Saturday"), 6);
    EXPECT_FALSE(ParseWeekday("Sonntag"));
}

}  // namespace
