// The changes of date the main window makes, checked on the state they leave after the
// recomputation (DeriveDates) and on the texts the panels then show.
#include "app/core/date_steps.h"

#include <functional>

#include <gtest/gtest.h>

using namespace chronel;

namespace {

DateState Gregorian(int d, int m, int y) {
    DateState s;
    SetToday(s, {d, m, y});
    DeriveDates(s);
    return s;
}

DateState Julian(int d, int m, int y) {
    DateState s;
    s.m_jd = JulianToJD(d, m, y);
    DeriveDates(s);
    return s;
}

DateState After(DateState s, const std::function<void(DateState&)>& change) {
    change(s);
    DeriveDates(s);
    return s;
}

void ExpectGregorian(const DateState& s, int d, int m, int y) {
    EXPECT_EQ(s.m_gregDay, d);
    EXPECT_EQ(s.m_gregMonth, m);
    EXPECT_EQ(s.m_gregYear, y);
}
void ExpectJulian(const DateState& s, int d, int m, int y) {
    EXPECT_EQ(s.m_julDay, d);
    EXPECT_EQ(s.m_julMonth, m);
    EXPECT_EQ(s.m_julYear, y);
}

TEST(DatePanels, FirstOfJanuary2000) {
    const DatePanelTexts t = FormatDatePanels(Gregorian(1, 1, 2000));
    EXPECT_EQ(t.julianDay, "2451544.50");
    EXPECT_EQ(t.modifiedJulianDay, "51544.00");
    EXPECT_EQ(t.weekday, "Saturday");
    EXPECT_EQ(t.gregDayOfYear, "1");
    EXPECT_EQ(t.gregWeekOfYear, "1");
    EXPECT_EQ(t.gregLeap, "Leap Year");
    EXPECT_EQ(t.julDay, "19");
    EXPECT_EQ(t.julMonthItem, 11);
    EXPECT_EQ(t.julYear, "1999");
    EXPECT_EQ(t.julDayOfYear, "353");
    EXPECT_EQ(t.julWeekOfYear, "51");
    EXPECT_EQ(t.julLeap, "Normal Year");
}

TEST(DatePanels, WeeksRunMondayToSunday) {
    const struct {
        int d, m, y;
        const char* week;
    } cases[] = {{2, 1, 2000, "1"}, {3, 1, 2000, "2"}, {31, 12, 2007, "53"}, {31, 12, 2012, "54"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatDatePanels(Gregorian(c.d, c.m, c.y)).gregWeekOfYear, c.week) << c.d << "/" << c.m << "/" << c.y;
    // Before Julian Day Number 0 the weeks go on counting from Mondays.
    const DateState early = Gregorian(1, 1, -4712);
    EXPECT_GE(std::stoi(FormatDatePanels(early).gregWeekOfYear), 1);
}

TEST(DatePanels, YearsAroundOneBcShowMagnitudeAndEra) {
    const DateState s = [] {
        DateState x;
        x.m_jd = 1721059.5;
        DeriveDates(x);
        return x;
    }();
    ExpectGregorian(s, 1, 1, 0);
    ExpectJulian(s, 3, 1, -1);
    const DatePanelTexts t = FormatDatePanels(s);
    EXPECT_EQ(t.gregYear, "0");
    EXPECT_EQ(t.gregEraItem, 1);  // year 0 shows "AD"
    EXPECT_EQ(t.julYear, "1");
    EXPECT_EQ(t.julEraItem, 0);
    EXPECT_EQ(t.julLeap, "Leap Year");
}

TEST(DateSteps, ArrowButtons) {
    ExpectGregorian(After(Gregorian(29, 2, 2000), [](DateState& s) { StepGregorianYears(s, +1); }), 1, 3, 2001);
    const DateState feb28 = After(Gregorian(28, 2, 1900), [](DateState& s) { StepDay(s, +1); });
    ExpectGregorian(feb28, 1, 3, 1900);
    ExpectJulian(feb28, 17, 2, 1900);
    ExpectGregorian(After(Gregorian(31, 3, 2000), [](DateState& s) { StepGregorianMonth(s, -1); }), 29, 2, 2000);
    ExpectGregorian(After(Gregorian(31, 3, 2001), [](DateState& s) { StepGregorianMonth(s, -1); }), 28, 2, 2001);
    ExpectGregorian(After(Gregorian(31, 12, 1999), [](DateState& s) { StepDay(s, +1); }), 1, 1, 2000);
    ExpectGregorian(After(Gregorian(1, 1, 2000), [](DateState& s) { StepDay(s, -1); }), 31, 12, 1999);
    ExpectGregorian(After(Gregorian(15, 6, 0), [](DateState& s) { StepGregorianYears(s, -1); }), 15, 6, -1);
    ExpectGregorian(After(Gregorian(15, 12, 2000), [](DateState& s) { StepGregorianMonth(s, +1); }), 15, 1, 2001);
}

TEST(DateSteps, JulianYearsSkipYearZero) {
    const struct {
        int from;
        std::function<void(DateState&)> step;
        int to;
    } cases[] = {
        {1, [](DateState& s) { StepJulianYear(s, -1); }, -1},
        {-1, [](DateState& s) { StepJulianYear(s, +1); }, 1},
        {-50, [](DateState& s) { StepJulianCentury(s, +1); }, 51},
        {100, [](DateState& s) { StepJulianCentury(s, -1); }, -1},
        {-101, [](DateState& s) { StepJulianCentury(s, +1); }, -1},
        {1000, [](DateState& s) { StepJulianCentury(s, -1); }, 900},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        ExpectJulian(After(Julian(10, 6, c.from), c.step), 10, 6, c.to);
    }
    // A Julian month step across the new year also skips year 0.
    ExpectJulian(After(Julian(31, 12, -1), [](DateState& s) { StepJulianMonth(s, +1); }), 31, 1, 1);
    ExpectJulian(After(Julian(31, 1, 1), [](DateState& s) { StepJulianMonth(s, -1); }), 31, 12, -1);
}

TEST(DateSteps, ListChoices) {
    // BC in the Gregorian era list: 1 January 2000 AD becomes astronomical -2000, and back.
    DateState bc = After(Gregorian(1, 1, 2000), [](DateState& s) { SelectGregorianEra(s, 0); });
    ExpectGregorian(bc, 1, 1, -2000);
    ExpectGregorian(After(bc, [](DateState& s) { SelectGregorianEra(s, 1); }), 1, 1, 2000);
    // Year 0 has no BC counterpart: nothing changes and the list shows "AD" again.
    const DateState zero = After(Gregorian(1, 1, 0), [](DateState& s) { SelectGregorianEra(s, 0); });
    ExpectGregorian(zero, 1, 1, 0);
    EXPECT_EQ(FormatDatePanels(zero).gregEraItem, 1);
    // A month with fewer days clamps the day.
    ExpectGregorian(After(Gregorian(31, 1, 2001), [](DateState& s) { SelectGregorianMonth(s, 1); }), 28, 2, 2001);
    ExpectJulian(After(Julian(31, 1, 1900), [](DateState& s) { SelectJulianMonth(s, 1); }), 29, 2, 1900);
}

TEST(DateSteps, EnterInTheDateFields) {
    // 15 March 44 BC typed into the Julian panel, BC chosen.
    DateState s = Julian(1, 3, 2000);
    s = After(s, [](DateState& x) { EnterJulianDate(x, "15", "44", true); });
    ExpectJulian(s, 15, 3, -44);
    ExpectGregorian(s, 13, 3, -43);
    // A typed year keeps its panel's numbering: 1 BC is astronomical -1 on the Gregorian side.
    ExpectGregorian(After(Gregorian(1, 6, 2000), [](DateState& x) { EnterGregorianDate(x, "1", "1", true); }), 1, 6, -1);
    // Days beyond the month, and garbage, are clamped.
    ExpectGregorian(After(Gregorian(1, 4, 2000), [](DateState& x) { EnterGregorianDate(x, "31", "2000", false); }), 30, 4, 2000);
    ExpectGregorian(After(Gregorian(9, 4, 2000), [](DateState& x) { EnterGregorianDate(x, "abc", "2000", false); }), 1, 4, 2000);
    // Julian Day and MJD: the MJD shown is that of the day's midnight.
    s = After(Gregorian(5, 5, 1990), [](DateState& x) { EnterJulianDay(x, "2451545"); });
    ExpectGregorian(s, 1, 1, 2000);
    EXPECT_EQ(FormatDatePanels(s).julianDay, "2451545.00");
    EXPECT_EQ(FormatDatePanels(s).modifiedJulianDay, "51544.00");
    s = After(s, [](DateState& x) { EnterModifiedJulianDay(x, "0"); });
    ExpectGregorian(s, 17, 11, 1858);
    ExpectJulian(s, 5, 11, 1858);
    EXPECT_EQ(FormatDatePanels(s).weekday, "Wednesday");
    s = After(s, [](DateState& x) { EnterJulianDay(x, "0"); });
    ExpectGregorian(s, 24, 11, -4713);
    ExpectJulian(s, 1, 1, -4713);
    // Day of the year: 0 is 31 December of the year before; beyond the year its last day.
    ExpectGregorian(After(Gregorian(5, 5, 2001), [](DateState& x) { EnterGregorianDayOfYear(x, "0"); }), 31, 12, 2000);
    ExpectGregorian(After(Gregorian(5, 5, 2001), [](DateState& x) { EnterGregorianDayOfYear(x, "400"); }), 31, 12, 2001);
    ExpectJulian(After(Julian(5, 5, 2000), [](DateState& x) { EnterJulianDayOfYear(x, "60"); }), 29, 2, 2000);
}

// Whatever is typed, the state ends inside the supported range with consistent dates.
TEST(DateSteps, TypedGarbageKeepsThePanelsConsistent) {
    const char* inputs[] = {"", "letters", "1e308", "-1e308", "-99999999999", "99999999999", "nan", "inf"};
    const std::function<void(DateState&, const char*)> fields[] = {
        [](DateState& s, const char* t) { EnterGregorianDate(s, t, t, false); },
        [](DateState& s, const char* t) { EnterGregorianDate(s, "1", t, true); },
        [](DateState& s, const char* t) { EnterJulianDate(s, t, t, true); },
        [](DateState& s, const char* t) { EnterJulianDay(s, t); },
        [](DateState& s, const char* t) { EnterModifiedJulianDay(s, t); },
        [](DateState& s, const char* t) { EnterGregorianDayOfYear(s, t); },
        [](DateState& s, const char* t) { EnterJulianDayOfYear(s, t); },
    };
    for (const auto& field : fields) {
        for (const char* input : inputs) {
            DateState s = Gregorian(1, 1, 2000);
            field(s, input);
            DeriveDates(s);
            SCOPED_TRACE(input);
            ASSERT_GE(s.m_jd, kMinSupportedJD);
            ASSERT_LT(s.m_jd, MaxSupportedJD() + 1);
            EXPECT_EQ(JDToGregorian(s.m_jd), (CalendarDate{s.m_gregDay, s.m_gregMonth, s.m_gregYear}));
            EXPECT_NE(s.m_julYear, 0);
            const DatePanelTexts t = FormatDatePanels(s);  // indexes tables: must not go out of range
            EXPECT_FALSE(t.weekday.empty());
            // Stepping from either end of the range stays in it.
            for (int i = 0; i < 3; ++i) {
                StepGregorianYears(s, 100);
                DeriveDates(s);
                StepJulianCentury(s, -1);
                DeriveDates(s);
            }
            EXPECT_GE(s.m_jd, kMinSupportedJD);
        }
    }
}

}  // namespace
