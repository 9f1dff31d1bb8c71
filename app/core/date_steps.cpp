#include "app/core/date_steps.h"

#include "app/core/edit_number.h"

namespace chronel {
namespace {

void FromGregorian(DateState& s) { s.m_jd = GregorianToJD(s.m_gregDay, s.m_gregMonth, s.m_gregYear); }
void FromJulian(DateState& s) { s.m_jd = JulianToJD(s.m_julDay, s.m_julMonth, s.m_julYear); }

void ClampGregorianDay(DateState& s) {
    const int length = GregorianMonthLength(s.m_gregMonth, s.m_gregYear);
    if (s.m_gregDay > length) s.m_gregDay = length;
}
void ClampJulianDay(DateState& s) {
    const int length = JulianMonthLength(s.m_julMonth, s.m_julYear);
    if (s.m_julDay > length) s.m_julDay = length;
}

// Historical year numbering has no year 0: stepping over it moves between 1 BC and AD 1.
int NextJulianYear(int y) { return y == -1 ? 1 : y + 1; }
int PreviousJulianYear(int y) { return y == 1 ? -1 : y - 1; }

// BC/AD choice: "BC" makes a year of AD negative (0 stays 0), "AD" makes a negative year positive.
int ApplyEra(int year, int listPosition) {
    if (listPosition == 0 && year > 0) return -year;
    if (listPosition == 1 && year < 0) return -year;
    return year;
}

}  // namespace

void SetToday(DateState& s, CalendarDate today) {
    s.m_gregYear = today.year;
    s.m_gregMonth = today.month;
    s.m_gregDay = today.day;
    FromGregorian(s);
}

void SelectGregorianMonth(DateState& s, int listPosition) {
    s.m_gregMonth = listPosition + 1;
    ClampGregorianDay(s);
    FromGregorian(s);
}

void SelectJulianMonth(DateState& s, int listPosition) {
    s.m_julMonth = listPosition + 1;
    ClampJulianDay(s);
    FromJulian(s);
}

void SelectGregorianEra(DateState& s, int listPosition) {
    s.m_gregYear = ApplyEra(s.m_gregYear, listPosition);
    FromGregorian(s);
}

void SelectJulianEra(DateState& s, int listPosition) {
    s.m_julYear = ApplyEra(s.m_julYear, listPosition);
    FromJulian(s);
}

void StepDay(DateState& s, int delta) {
    if (delta > 0) {
        if (++s.m_gregDay > GregorianMonthLength(s.m_gregMonth, s.m_gregYear)) {
            s.m_gregDay = 1;
            if (++s.m_gregMonth > 12) {
                s.m_gregMonth = 1;
                ++s.m_gregYear;
            }
        }
    } else if (--s.m_gregDay < 1) {
        if (--s.m_gregMonth < 1) {
            s.m_gregMonth = 12;
            --s.m_gregYear;
        }
        s.m_gregDay = GregorianMonthLength(s.m_gregMonth, s.m_gregYear);
    }
    FromGregorian(s);
}

void StepGregorianMonth(DateState& s, int delta) {
    s.m_gregMonth += delta;
    if (s.m_gregMonth > 12) {
        s.m_gregMonth = 1;
        ++s.m_gregYear;
    } else if (s.m_gregMonth < 1) {
        s.m_gregMonth = 12;
        --s.m_gregYear;
    }
    ClampGregorianDay(s);
    FromGregorian(s);
}

void StepJulianMonth(DateState& s, int delta) {
    s.m_julMonth += delta;
    if (s.m_julMonth > 12) {
        s.m_julMonth = 1;
        s.m_julYear = NextJulianYear(s.m_julYear);
    } else if (s.m_julMonth < 1) {
        s.m_julMonth = 12;
        s.m_julYear = PreviousJulianYear(s.m_julYear);
    }
    ClampJulianDay(s);
    FromJulian(s);
}

void StepGregorianYears(DateState& s, int years) {
    s.m_gregYear += years;  // the day is not clamped: 29 February in a common year is 1 March
    FromGregorian(s);
}

void StepJulianYear(DateState& s, int delta) {
    s.m_julYear = delta > 0 ? NextJulianYear(s.m_julYear) : PreviousJulianYear(s.m_julYear);
    FromJulian(s);
}

void StepJulianCentury(DateState& s, int delta) {
    const int y = s.m_julYear;
    if (delta > 0)
        s.m_julYear = (y >= -100 && y <= -1) ? y + 101 : y + 100;
    else
        s.m_julYear = (y >= 1 && y <= 100) ? y - 101 : y - 100;
    FromJulian(s);
}

// A typed day (brought into 1 .. monthLength, the stored month's length) and year (as typed, in
// the panel's own numbering; "BC" makes a year of AD negative).
static void ReadTypedDate(int& day, int& year, int monthLength, std::string_view dayText, std::string_view yearText, bool bc) {
    day = ReadEditInt(dayText, 1, monthLength, true);
    year = ReadEditInt(yearText, 0, 0, false);
    if (bc && year >= 0) year = -year;
}

void EnterGregorianDate(DateState& s, std::string_view dayText, std::string_view yearText, bool bc) {
    ReadTypedDate(s.m_gregDay, s.m_gregYear, GregorianMonthLength(s.m_gregMonth, s.m_gregYear), dayText, yearText, bc);
    FromGregorian(s);
}

void EnterJulianDate(DateState& s, std::string_view dayText, std::string_view yearText, bool bc) {
    ReadTypedDate(s.m_julDay, s.m_julYear, JulianMonthLength(s.m_julMonth, s.m_julYear), dayText, yearText, bc);
    FromJulian(s);
}

void EnterJulianDay(DateState& s, std::string_view text) { s.m_jd = ReadEditDouble(text, 0, 0, false); }

void EnterModifiedJulianDay(DateState& s, std::string_view text) {
    s.m_mjd = ReadEditDouble(text, 0, 0, false);
    s.m_jd = s.m_mjd + kMjdOffset;
}

void EnterGregorianDayOfYear(DateState& s, std::string_view text) {
    const int n = ReadEditInt(text, 0, IsGregorianLeap(s.m_gregYear) ? 366 : 365, true);
    s.m_gregDayOfYear = n;
    s.m_jd = GregorianToJD(1, 1, s.m_gregYear) + (n - 1);
}

void EnterJulianDayOfYear(DateState& s, std::string_view text) {
    const int n = ReadEditInt(text, 0, IsJulianLeap(s.m_julYear) ? 366 : 365, true);
    s.m_julDayOfYear = n;
    s.m_jd = JulianToJD(1, 1, s.m_julYear) + (n - 1);
}

}  // namespace chronel
