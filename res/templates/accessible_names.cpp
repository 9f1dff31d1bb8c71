#include "res/templates/accessible_names.h"

#include "res/templates/control_ids.h"

namespace chronel {

namespace {

constexpr ControlName kMain[] = {
    {kGregorianDayField, "Gregorian Date, day"},
    {kGregorianMonthList, "Gregorian Date, month"},
    {kGregorianYearField, "Gregorian Date, year"},
    {kGregorianEraList, "Gregorian Date, era"},
    {kGregorianLeapField, "Gregorian Date, leap year"},
    {kGregorianDayOfYearField, "Gregorian Date, day of year"},
    {kGregorianWeekOfYearField, "Gregorian Date, week of year"},
    {kJulianDayOfMonthField, "Julian Date, day"},
    {kJulianMonthList, "Julian Date, month"},
    {kJulianYearField, "Julian Date, year"},
    {kJulianEraList, "Julian Date, era"},
    {kJulianLeapField, "Julian Date, leap year"},
    {kJulianDayOfYearField, "Julian Date, day of year"},
    {kJulianWeekOfYearField, "Julian Date, week of year"},
    {kWeekdayField, "Day of week"},
    {kJulianDayField, "Julian Day"},
    {kModifiedJulianDayField, "Modified Julian Day"},
    {kSunriseField, "Sunrise"},
    {kSunsetField, "Sunset"},
    {kDayLengthField, "Day Length"},
    {kMoonriseField, "Moonrise"},
    {kMoonsetField, "Moonset"},
    {kPhaseNameField, "True Phase"},
    {kPhaseDateField, "True Phase, date"},
    {kPhaseTimeField, "True Phase, time"},
    {kRegionAList, "Local Historical Dates, first region"},
    {kRowADayField, "First region, day"},
    {kRowAMonthField, "First region, month"},
    {kRowAYearField, "First region, year"},
    {kRowAEraField, "First region, era"},
    {kRowAStyleField, "First region, style"},
    {kRegionBList, "Local Historical Dates, second region"},
    {kRowBDayField, "Second region, day"},
    {kRowBMonthField, "Second region, month"},
    {kRowBYearField, "Second region, year"},
    {kRowBEraField, "Second region, era"},
    {kRowBStyleField, "Second region, style"},
    {kGregorianDayUpArrow, "Gregorian Date, next day"},
    {kGregorianDayDownArrow, "Gregorian Date, previous day"},
    {kGregorianMonthUpArrow, "Gregorian Date, next month"},
    {kGregorianMonthDownArrow, "Gregorian Date, previous month"},
    {kGregorianYearUpArrow, "Gregorian Date, next year"},
    {kGregorianYearDownArrow, "Gregorian Date, previous year"},
    {kGregorianCenturyUpArrow, "Gregorian Date, next century"},
    {kGregorianCenturyDownArrow, "Gregorian Date, previous century"},
    {kJulianDayUpArrow, "Julian Date, next day"},
    {kJulianDayDownArrow, "Julian Date, previous day"},
    {kJulianMonthUpArrow, "Julian Date, next month"},
    {kJulianMonthDownArrow, "Julian Date, previous month"},
    {kJulianYearUpArrow, "Julian Date, next year"},
    {kJulianYearDownArrow, "Julian Date, previous year"},
    {kJulianCenturyUpArrow, "Julian Date, next century"},
    {kJulianCenturyDownArrow, "Julian Date, previous century"},
};

constexpr ControlName kLocations[] = {
    {kCityList, "Location"},
    {kLatitudeDegreesField, "Latitude, degrees"},
    {kLatitudeMinutesField, "Latitude, minutes"},
    {kLatitudeSecondsField, "Latitude, seconds"},
    {kLatitudeHemisphereList, "Latitude, hemisphere"},
    {kLongitudeDegreesField, "Longitude, degrees"},
    {kLongitudeMinutesField, "Longitude, minutes"},
    {kLongitudeSecondsField, "Longitude, seconds"},
    {kLongitudeHemisphereList, "Longitude, hemisphere"},
    {kTimeZoneField, "Time Zone, hours east of Greenwich"},
};

constexpr ControlName kComputus[] = {
    {kCatholicDayField, "Catholic Easter, day"},
    {kCatholicMonthField, "Catholic Easter, month"},
    {kOrthodoxJulianDayField, "Orthodox Julian Easter, day"},
    {kOrthodoxJulianMonthField, "Orthodox Julian Easter, month"},
    {kOrthodoxGregorianDayField, "Orthodox Gregorian Easter, day"},
    {kOrthodoxGregorianMonthField, "Orthodox Gregorian Easter, month"},
    {kEasterNoteField, "Note"},
};

}  // namespace

std::span<const ControlName> MainDialogAccessibleNames() { return kMain; }
std::span<const ControlName> LocationsDialogAccessibleNames() { return kLocations; }
std::span<const ControlName> ComputusDialogAccessibleNames() { return kComputus; }

}  // namespace chronel
