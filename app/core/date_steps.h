#pragma once
// The changes of date that the main window's controls make. Each changes the edited fields of
// the state and sets m_jd from them; the caller then recomputes everything (DeriveDates and the
// panels). "Clamping the day" brings a day beyond the month to the month's last day.

#include <string_view>

#include "app/core/date_state.h"

namespace chronel {

void SetToday(DateState& s, CalendarDate today);  // today: Gregorian, astronomical year

void SelectGregorianMonth(DateState& s, int listPosition);  // 0 = January
void SelectJulianMonth(DateState& s, int listPosition);
void SelectGregorianEra(DateState& s, int listPosition);    // 0 = "BC", 1 = "AD"
void SelectJulianEra(DateState& s, int listPosition);

// The arrow buttons. delta is +1 or -1 (the upper or the lower button of a pair).
void StepDay(DateState& s, int delta);            // through the Gregorian date, both rows
void StepGregorianMonth(DateState& s, int delta);
void StepJulianMonth(DateState& s, int delta);
void StepGregorianYears(DateState& s, int years);  // +-1 or +-100; 0 is an ordinary year
void StepJulianYear(DateState& s, int delta);      // skips the missing year 0
void StepJulianCentury(DateState& s, int delta);   // exactly 100 years, across 1 BC / AD 1

// Enter in a date field: the typed texts, and whether the panel's era list shows "BC".
void EnterGregorianDate(DateState& s, std::string_view dayText, std::string_view yearText, bool bc);
void EnterJulianDate(DateState& s, std::string_view dayText, std::string_view yearText, bool bc);
void EnterJulianDay(DateState& s, std::string_view text);
void EnterModifiedJulianDay(DateState& s, std::string_view text);
void EnterGregorianDayOfYear(DateState& s, std::string_view text);
void EnterJulianDayOfYear(DateState& s, std::string_view text);

}  // namespace chronel
