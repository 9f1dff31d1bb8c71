#pragma once
// Rise and set at the time the place's clocks showed: the offset from Universal Time follows
// the instant (daylight saving, historical offsets, local mean time before standard time)
// instead of staying fixed.
//
// The local civil day is searched with the offset in force at that day's local noon. Each
// event found is then shown at the clock time in force at its own instant, so on a day when
// the clocks change an event before the change and one after it each read as the clocks did.
// The day length is the time between the two instants of sunrise and sunset.
//
// On such a day the searched 24 hours can reach into the hour the change removes or adds: an
// event there reads as the clocks then showed, taken into 00:00..24:00 (a moonrise at 23:30 of
// the evening before a spring change reads 23:30).

#include <string>

#include "astro/core/rise_set.h"
#include "astro/core/rise_set_texts.h"
#include "locations/core/utc_offset.h"

namespace chronel {

struct ClockRiseSet {
    RiseSetResult instants;  // hours after the searched midnight, as ComputeRiseSet gives them
                             // for the search offset (UT = midnight + hours - offset)
    RiseSetResult clock;     // the same events at the clock time of their own instants
    double searchOffsetHours = 0.0;  // in force at the day's local noon: the day searched
    double startOffsetHours = 0.0;   // in force when the searched day begins ...
    double endOffsetHours = 0.0;     // ... and when it ends; they differ on a change day
    RiseSetTexts texts;              // the five fields, as FormatRiseSetTexts writes them
    std::string offsetText;  // "Europe/London, +01:00"; on a change day both offsets,
                             // "Europe/London, +00:00 / +01:00"; without a zone name only the
                             // offsets ("+01:00")
};

// year, month, day: a Gregorian date (astronomical year numbering); longitude and latitude in
// decimal degrees, east and north positive; offsetAt: the place's clock (must be set);
// zoneName: the zone named in offsetText, may be empty. With a fixed offset
// (FixedUtcOffset(h)) the instants, the clock times and the texts are exactly those of
// ComputeRiseSet(..., h) and FormatRiseSetTexts.
ClockRiseSet ComputeClockRiseSet(int year, int month, int day, double longitude,
                                 double latitude, const UtcOffsetAt& offsetAt,
                                 const std::string& zoneName);

}  // namespace chronel
