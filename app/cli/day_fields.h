#pragma once
// The fields of one day as the command line writes them. The keys are a contract with the
// users' scripts: new keys may be added, none is renamed or removed.

#include "app/cli/field_sink.h"
#include "app/core/day_report.h"

namespace chronel {

// One object: gregorian, julian, weekday, julianDay, modifiedJulianDay, place, sunrise, sunset,
// dayLength, moonrise, moonset, moon, easter, localDates. Every text as the windows show it.
void WriteDayFields(const DayReport& report, FieldSink& sink);

// The object "gregorian" or "julian" of a day: day, month, year, era, leapYear, dayOfYear,
// weekOfYear, as the date panel shows them.
void WriteCalendarObject(FieldSink& sink, const char* key, const DatePanelTexts& panels, bool gregorian);

// Into the open object, the three Easter dates as objects of day and month, as the Computus
// window shows them: catholic, orthodoxJulian, orthodoxGregorian.
void WriteEasterDateObjects(FieldSink& sink, const ComputusTexts& texts);

// The object of a local-date row: region, day, month, year, era, style.
void WriteLocalDateObject(FieldSink& sink, const char* key, const std::string& region, const LocalDateRowTexts& row);

}  // namespace chronel
