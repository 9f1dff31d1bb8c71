#pragma once
// The main window's date state and the values its two date panels show.
//
// m_jd is the master value: every other member is derived from it by DeriveDates, except the
// two days of the year last typed (kept as typed) and the Modified Julian Day (that of the
// midnight beginning the Gregorian day).

#include <string>

#include "calendar/day_numbers.h"

namespace chronel {

struct DateState {
    int m_gregYear = 2000;  // astronomical: year 0 exists, negative years are BC
    int m_julYear = 1999;   // historical: -1 is 1 BC, never 0 after DeriveDates
    int m_gregMonth = 1;    // 1..12
    int m_julMonth = 12;
    int m_gregDay = 1;
    int m_julDay = 19;
    int m_gregDayOfYear = 0;  // last typed into the Gregorian day-of-year field
    int m_julDayOfYear = 0;   // last typed into the Julian day-of-year field
    double m_jd = 2451544.5;
    double m_mjd = 51544.0;
};

// Brings m_jd into the supported range, then sets both calendar dates and m_mjd from it.
void DeriveDates(DateState& s);

// What the panels show, in the order the recomputation writes it.
struct DatePanelTexts {
    std::string julianDay;       // "%.2f" of m_jd
    std::string modifiedJulianDay;  // "%.2f" of m_mjd
    std::string gregYear, gregDay, gregLeap;  // magnitude of the year; "Leap Year"/"Normal Year"
    int gregMonthItem = 0;       // list item: month - 1
    std::string weekday;         // "Sunday" ... "Saturday"
    std::string julYear, julDay, julLeap;
    int julMonthItem = 0;
    int gregEraItem = 1, julEraItem = 1;  // 0 "BC", 1 "AD"
    std::string gregDayOfYear, julDayOfYear;
    std::string gregWeekOfYear, julWeekOfYear;
};

DatePanelTexts FormatDatePanels(const DateState& s);

// The panels of the day jd, as the window shows them after going to it.
DatePanelTexts FormatDatePanelsAt(double jd);

// Week of the year of the day containing jd, for a year whose 1 January begins at firstDayJD:
// weeks run Monday to Sunday (Julian Day Number 0 was a Monday), the week holding 1 January is
// week 1, so 31 December falls in week 53, or 54 in a leap year beginning on a Sunday.
int WeekOfYear(double jd, double firstDayJD);

extern const char* const g_dayNames[7];

}  // namespace chronel
