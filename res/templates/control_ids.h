#pragma once
// The numbers of the controls of each window, one enumeration per dialog template. The numbers
// are the windows' public names: driver scripts and tests address controls by them, so they
// never change.

namespace chronel {

// Template 102, the main window.
enum MainControl : int {
    kGregorianDayField = 1000,
    kGregorianMonthList = 1001,
    kGregorianYearField = 1002,
    kJulianDayOfMonthField = 1003,
    kJulianMonthList = 1004,
    kJulianYearField = 1005,
    kWeekdayField = 1006,
    kJulianDayField = 1007,  // the Julian Day number
    kModifiedJulianDayField = 1008,
    kTodayButton = 1009,
    kGregorianDayDownArrow = 1011,
    kGregorianDayUpArrow = 1012,
    kGregorianMonthDownArrow = 1013,
    kGregorianMonthUpArrow = 1014,
    kGregorianYearDownArrow = 1015,
    kGregorianYearUpArrow = 1016,
    kGregorianCenturyDownArrow = 1017,
    kGregorianCenturyUpArrow = 1018,
    kJulianDayDownArrow = 1019,
    kJulianDayUpArrow = 1020,
    kGregorianEraList = 1021,  // "BC" / "AD"
    kJulianEraList = 1022,
    kGregorianDayOfYearField = 1023,
    kGregorianWeekOfYearField = 1024,
    kJulianDayOfYearField = 1025,
    kJulianWeekOfYearField = 1026,
    kSunriseField = 1033,
    kSunsetField = 1034,
    kDayLengthField = 1035,
    kMoonriseField = 1036,
    kMoonsetField = 1037,
    kPhaseNameField = 1038,
    kRegionAList = 1052,
    kRowADayField = 1053,
    kRowAMonthField = 1054,
    kRowAYearField = 1055,
    kRowAEraField = 1056,
    kRegionBList = 1057,
    kRowBDayField = 1058,
    kRowBMonthField = 1059,
    kRowBYearField = 1060,
    kRowBEraField = 1061,
    kJulianMonthDownArrow = 1063,
    kPhaseDateField = 1064,
    kPhaseTimeField = 1065,
    kJulianMonthUpArrow = 1066,
    kJulianCenturyDownArrow = 1068,
    kJulianCenturyUpArrow = 1069,
    kJulianYearDownArrow = 1070,
    kJulianYearUpArrow = 1071,
    kGregorianLeapField = 1072,
    kJulianLeapField = 1073,
    kRowAStyleField = 1080,
    kRowBStyleField = 1081,
    kLocationsButton = 1089,
    kComputusButton = 1090,
    kPlaceButton = 1092,  // the observer's city; opens the Locations window
};

// Template 153, the Computus window.
enum ComputusControl : int {
    kCatholicDayField = 1027,
    kCatholicMonthField = 1028,
    kOrthodoxJulianDayField = 1029,
    kOrthodoxJulianMonthField = 1030,
    kOrthodoxGregorianDayField = 1031,
    kOrthodoxGregorianMonthField = 1032,
    kEasterNoteField = 1092,
};

// Template 151, the Locations window.
enum LocationsControl : int {
    kLatitudeDegreesField = 1039,
    kLongitudeDegreesField = 1040,
    kLatitudeDegreesUpDown = 1041,
    kLatitudeMinutesField = 1042,
    kLongitudeDegreesUpDown = 1043,
    kLatitudeMinutesUpDown = 1044,
    kLatitudeSecondsField = 1045,
    kLatitudeSecondsUpDown = 1046,
    kLongitudeMinutesField = 1047,
    kLongitudeMinutesUpDown = 1048,
    kLongitudeSecondsField = 1049,
    kLongitudeSecondsUpDown = 1050,
    kTimeZoneField = 1062,
    kCityList = 1067,
    kLatitudeHemisphereList = 1077,  // "N" / "S"
    kLongitudeHemisphereList = 1078,  // "E" / "W"
    kSetDefaultLocationButton = 1079,
    kGoButton = 1091,
};

// Template 100, the About box.
enum AboutControl : int {
    kAboutOkButton = 1,
};

}  // namespace chronel
