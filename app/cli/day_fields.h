#pragma once
// The fields of one day as the command line writes them. The keys are a contract with the
// users' scripts: new keys may be added, none is renamed or removed.

#include "app/cli/field_sink.h"
#include "app/core/day_report.h"

namespace chronel {

// One object: gregorian, julian, weekday, julianDay, modifiedJulianDay, place, sunrise, sunset,
// dayLength, moonrise, moonset, moon, easter, localDates. Every text as the windows show it.
void WriteDayFields(const DayReport& report, FieldSink& sink);

}  // namespace chronel
