#pragma once
// Local clock times of moonrise, moonset, sunrise, sunset and the end of nautical twilight for
// one day at one place.
//
// Method: O. Montenbruck and T. Pfleger, Astronomy on the Personal Computer, program SUNSET:
// the sine of the body's altitude, less that of the event altitude, is sampled every hour of
// the local day; a parabola through each three consecutive samples (windows centred on hours
// 1, 3, ..., 23) gives the crossings. A search stops at its first rise-and-set pair, so a
// second rise or set later the same day is not reported.

#include <optional>

namespace chronel {

// One search. Times are local clock hours after the day's midnight, 0..24.
struct RiseSetSearch {
    std::optional<double> rise;  // the body climbs through the event altitude
    std::optional<double> set;   // the body sinks through it
    bool above = false;          // above the event altitude at the day's midnight
};

struct RiseSetResult {
    RiseSetSearch moon;      // upper limb at +8' (Moon's altitude +0.1333 degrees)
    RiseSetSearch sun;       // Sun at -50' (refraction and semi-diameter)
    RiseSetSearch twilight;  // Sun at -12 degrees (nautical twilight)
};

// year, month, day: a Gregorian date (astronomical year numbering); longitude and latitude in
// decimal degrees, east and north positive; timeZone in hours east of Greenwich (no daylight
// saving is applied). The local day runs from midnight at that zone's clock.
RiseSetResult ComputeRiseSet(int year, int month, int day, double longitude, double latitude,
                             double timeZone);

}  // namespace chronel
