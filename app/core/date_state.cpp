#include "app/core/date_state.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace chronel {

const char* const g_dayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

namespace {

std::string Format(const char* fmt, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, v);
    return buf;
}
std::string Int(long long v) { return std::to_string(v); }
const char* LeapText(bool leap) { return leap ? "Leap Year" : "Normal Year"; }

// A 29 February that the year's own rule does not have becomes 1 March.
void NormaliseLeapDay(int& day, int& month, bool leap) {
    if (month == 2 && day == 29 && !leap) {
        day = 1;
        month = 3;
    }
}

}  // namespace

void DeriveDates(DateState& s) {
    s.m_jd = ClampToSupportedRange(s.m_jd);
    const CalendarDate j = JDToJulian(s.m_jd);
    const CalendarDate g = JDToGregorian(s.m_jd);
    s.m_julDay = j.day;
    s.m_julMonth = j.month;
    s.m_julYear = j.year == 0 ? -1 : j.year;
    s.m_gregDay = g.day;
    s.m_gregMonth = g.month;
    s.m_gregYear = g.year;
    s.m_mjd = GregorianToMJD(s.m_gregDay, s.m_gregMonth, s.m_gregYear);
    NormaliseLeapDay(s.m_gregDay, s.m_gregMonth, IsGregorianLeap(s.m_gregYear));
    NormaliseLeapDay(s.m_julDay, s.m_julMonth, IsJulianLeap(s.m_julYear));
}

DatePanelTexts FormatDatePanelsAt(double jd) {
    DateState s;
    s.m_jd = jd;
    DeriveDates(s);
    return FormatDatePanels(s);
}

int WeekOfYear(double jd, double firstDayJD) {
    const auto n = static_cast<std::int64_t>(std::floor(jd + 0.5));
    const auto n1 = static_cast<std::int64_t>(std::floor(firstDayJD + 0.5));
    return static_cast<int>(FloorDiv(n, 7) - FloorDiv(n1, 7) + 1);
}

DatePanelTexts FormatDatePanels(const DateState& s) {
    DatePanelTexts t;
    t.julianDay = Format("%.2f", s.m_jd);
    t.modifiedJulianDay = Format("%.2f", s.m_mjd);
    t.gregYear = Int(std::llabs(s.m_gregYear));
    t.gregMonthItem = s.m_gregMonth - 1;
    t.gregDay = Int(s.m_gregDay);
    t.gregLeap = LeapText(IsGregorianLeap(s.m_gregYear));
    t.weekday = g_dayNames[DayOfWeek(s.m_gregDay, s.m_gregMonth, s.m_gregYear)];
    t.julYear = Int(std::llabs(s.m_julYear));
    t.julMonthItem = s.m_julMonth - 1;
    t.julDay = Int(s.m_julDay);
    t.julLeap = LeapText(IsJulianLeap(s.m_julYear));
    t.gregEraItem = s.m_gregYear < 0 ? 0 : 1;
    t.julEraItem = s.m_julYear < 0 ? 0 : 1;

    const double gregFirst = GregorianToJD(1, 1, s.m_gregYear);
    const double julFirst = JulianToJD(1, 1, s.m_julYear);
    t.gregDayOfYear = Int(static_cast<long long>(s.m_jd - gregFirst + 1.0));
    t.julDayOfYear = Int(static_cast<long long>(s.m_jd - julFirst + 1.0));
    t.gregWeekOfYear = Int(WeekOfYear(s.m_jd, gregFirst));
    t.julWeekOfYear = Int(WeekOfYear(s.m_jd, julFirst));
    return t;
}

}  // namespace chronel
