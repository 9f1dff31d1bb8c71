#pragma once
// The almanac of one day at one place: the Sun's twilights, rise, transit and set, the Moon's
// rise, transit and set, how much of the Moon is lit, the principal phases around the day and
// the next equinox or solstice, every instant in Universal Time and in the place's clock time.
//
// Method: every event row starts from one search, the hourly-sampled parabola of Montenbruck &
// Pfleger (Astronomy on the Personal Computer, program SUNSET) as in rise_set.h: a quantity is
// sampled at each whole hour of the local day (by the search offset), a parabola through each
// three consecutive samples (windows centred on hours 1, 3, ..., 23) gives its zero crossings,
// and a search stops at its first upward and downward pair. Rise, set and twilight cross an
// altitude (the sine of the altitude less that of the threshold); a transit is the upward
// crossing of the sine of the hour angle (west of the meridian is positive).
//
// Sunrise, sunset, day length and the Moon's rows take the parabola's roots on the
// low-precision series (rise_set_math.h, evaluated at TT = UT + ΔT, delta_t.h, sidereal time
// at UT), as the main window does. The twilights and solar noon sample the apparent Sun
// instead (apparent_sun_day.h: VSOP87, nutation, aberration, apparent sidereal time,
// topocentric altitude) and refine each crossing on it between the samples that bracket it
// (bracketed_root.h): the parabola alone is off by up to half a minute, and the low-precision
// Sun's arc minute becomes minutes where the Sun grazes -12 or -18 degrees. Phase instants
// (lunar_phases.h, Meeus ch. 49) and equinoxes and solstices (seasons.h, Meeus ch. 27) are
// dynamical times and become UT = TT - ΔT.

#include <optional>
#include <vector>

#include "astro/core/lunar_phases.h"
#include "astro/core/seasons.h"
#include "locations/core/utc_offset.h"

namespace chronel {

// One instant: its Julian Day in Universal Time, and what the place's clocks read then, as a
// Julian Day (UT plus the offset in force at that instant).
struct AlmanacInstant {
    double jdUt = 0.0;
    double jdClock = 0.0;
};

// What an event row says about the day.
enum class EventState {
    kHappens,      // the event happens that day, at the row's instant
    kNone,         // it does not happen that day, though the body crosses the other way
    kAlwaysAbove,  // the body stays above the row's altitude all day
    kAlwaysBelow,  // it stays below all day
};

struct AlmanacEvent {
    EventState state = EventState::kNone;
    std::optional<AlmanacInstant> at;  // present exactly when state is kHappens
};

struct AlmanacPhase {
    PhaseKind kind = kNewMoon;
    AlmanacInstant at;
};

struct AlmanacSeason {
    SeasonKind kind = SeasonKind::kMarchEquinox;
    AlmanacInstant at;
};

// Altitudes of the Sun's centre that the rows cross, degrees. Sunrise and sunset take the
// upper limb with standard refraction (-50'), as the main window does; the Moon's rows take
// +8' (Montenbruck & Pfleger: parallax less refraction and semi-diameter).
inline constexpr double kSunriseAltitude = -0.8333333333333334;
inline constexpr double kCivilTwilightAltitude = -6.0;
inline constexpr double kNauticalTwilightAltitude = -12.0;
inline constexpr double kAstronomicalTwilightAltitude = -18.0;
inline constexpr double kMoonriseAltitude = 0.13333333333333333;

struct Almanac {
    int year = 2000, month = 1, day = 1;  // the Gregorian date (astronomical year)
    double searchUtcOffset = 0.0;         // hours east of Greenwich of the day's search

    AlmanacEvent astronomicalDawn, nauticalDawn, civilDawn, sunrise;
    AlmanacEvent solarNoon;                   // the Sun's upper transit
    std::optional<double> solarNoonAltitude;  // degrees, the centre's topocentric altitude then, unrefracted
    AlmanacEvent sunset, civilDusk, nauticalDusk, astronomicalDusk;
    double dayLengthHours = 0.0;  // time the Sun spends above -50' during the local day

    AlmanacEvent moonrise, moonTransit, moonset;
    double moonIlluminatedPercent = 0.0;  // at the day's local noon
    double moonAgeDays = 0.0;             // days since the last new moon, at local noon
    bool moonWaxing = false;              // between a new moon and the next full moon

    double deltaTSeconds = 0.0;  // ΔT at the day's local noon

    // The last principal phase before the local day, those during it, and the first two after.
    std::vector<AlmanacPhase> phases;
    AlmanacSeason nextSeason;  // the first equinox or solstice from the day's start on
};

// The almanac of the Gregorian date (astronomical year) at latitude and longitude (decimal
// degrees, north and east positive). The local day runs from midnight at searchUtcOffset hours
// east of Greenwich; clockOffset gives the clock time of every instant.
Almanac ComputeAlmanac(int year, int month, int day, double latitude, double longitude,
                       double searchUtcOffset, const UtcOffsetAt& clockOffset);

// The UT instant (Julian Day) of the principal phase of lunation number k (TruePhaseJDE
// less ΔT).
double PhaseInstantUt(double k);

// A principal phase by its quarter index q: kind q mod 4 of lunation number q / 4 (q = 0 the
// new moon of 6 January 2000), at its UT instant.
struct PhaseInstant {
    PhaseKind kind = kNewMoon;
    double jdUt = 0.0;
};
PhaseInstant PhaseOfQuarter(long long q);

// The quarter index of the last principal phase whose UT instant is before jdUt.
long long LastPhaseBefore(double jdUt);

// Percentage of the Moon's disc lit at the instant jdUt, from the low-precision positions of
// the Sun and the Moon (phase angle after Meeus eq. 48.3, the Moon at its mean distance).
double MoonIlluminatedPercent(double jdUt);

// The UT instant of that equinox or solstice (SeasonJDE less ΔT).
double SeasonInstantUt(int year, SeasonKind kind);

}  // namespace chronel
