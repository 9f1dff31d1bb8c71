#pragma once
// Texts of the almanac of a day, as the window, the command line and the JSON report show them.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "astro/core/almanac.h"

namespace chronel {

struct AlmanacPhaseTexts {
    std::string phase;  // "New Moon", "First Quarter", "Full Moon", "Last Quarter"
    std::string ut;     // "YYYY-MM-DDTHH:MMZ"
    std::string local;  // "YYYY-MM-DD HH:MM", the place's clock time
};

struct AlmanacTexts {
    std::string date;  // "YYYY-MM-DD" (Gregorian, astronomical year)

    // Each: the clock time "HH:MM", or "always above", "always below" or "none".
    std::string astronomicalDawn, nauticalDawn, civilDawn, sunrise, solarNoon, sunset;
    std::string civilDusk, nauticalDusk, astronomicalDusk;
    std::string moonrise, moonTransit, moonset;

    std::optional<double> solarNoonAltitude;  // degrees, one decimal; none without a noon
    std::string dayLength;                    // "HH:MM", 00:00 to 24:00

    double moonIllumination = 0.0;  // percent, one decimal
    double moonAge = 0.0;           // days, one decimal
    bool moonWaxing = false;
    double deltaT = 0.0;  // seconds, one decimal

    std::vector<AlmanacPhaseTexts> phases;
    std::string nextSeasonName;  // "March equinox", "June solstice", ...
    std::string nextSeasonUt;    // "YYYY-MM-DDTHH:MMZ"
};

// The twelve event rows in the order the almanac lists them (the Sun's nine, then the Moon's
// three): the key of the command line's JSON and CSV, the label of the window, the text.
struct AlmanacEventRow {
    const char* key;
    const char* label;
    std::string AlmanacTexts::*text;
};
inline constexpr std::array<AlmanacEventRow, 12> kAlmanacEventRows = {{
    {"astronomicalDawn", "Astronomical dawn", &AlmanacTexts::astronomicalDawn},
    {"nauticalDawn", "Nautical dawn", &AlmanacTexts::nauticalDawn},
    {"civilDawn", "Civil dawn", &AlmanacTexts::civilDawn},
    {"sunrise", "Sunrise", &AlmanacTexts::sunrise},
    {"solarNoon", "Solar noon", &AlmanacTexts::solarNoon},
    {"sunset", "Sunset", &AlmanacTexts::sunset},
    {"civilDusk", "Civil dusk", &AlmanacTexts::civilDusk},
    {"nauticalDusk", "Nautical dusk", &AlmanacTexts::nauticalDusk},
    {"astronomicalDusk", "Astronomical dusk", &AlmanacTexts::astronomicalDusk},
    {"moonrise", "Moonrise", &AlmanacTexts::moonrise},
    {"moonTransit", "Moon's transit", &AlmanacTexts::moonTransit},
    {"moonset", "Moonset", &AlmanacTexts::moonset},
}};
inline constexpr std::size_t kAlmanacSunEventRows = 9;  // the rest are the Moon's

AlmanacTexts FormatAlmanacTexts(const Almanac& almanac);

// "always above", "always below", "none"; empty for kHappens.
std::string EventStateText(EventState state);

// The instant rounded to the nearest minute: "YYYY-MM-DDTHH:MMZ" of a UT Julian Day and
// "YYYY-MM-DD HH:MM" of a clock reading. Gregorian calendar, astronomical year: four digits,
// a minus sign before year 0 (-0001 is 2 BC), more digits when needed.
std::string FormatUtInstant(double jdUt);
std::string FormatClockInstant(double jdClock);

// "HH:MM" of the clock reading jdClock within the day that begins at the clock's midnight
// jdMidnight, rounded to the nearest minute: 00:00 to 24:00; a reading outside that day (a
// clock that changed its offset) shows its own time of day.
std::string FormatClockTimeOfDay(double jdClock, double jdMidnight);

// The Moon's look in words, for the picture's accessible name: "New Moon" (under 1 % lit),
// "Waxing crescent", "First quarter" (45-55 % lit), "Waxing gibbous", "Full Moon" (over 99 %),
// "Waning gibbous", "Last quarter", "Waning crescent"; then ", 23.4 % lit".
std::string MoonLookDescription(double illuminatedPercent, bool waxing);

// The text of an event row: its clock time within the day, or its state.
std::string FormatEvent(const AlmanacEvent& event, double jdMidnight);

}  // namespace chronel
