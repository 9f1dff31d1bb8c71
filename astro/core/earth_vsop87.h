#pragma once
// The Earth's heliocentric place from the truncated VSOP87 theory (P. Bretagnon and G. Francou,
// 1988), version D: ecliptic coordinates referred to the mean ecliptic and equinox of the date.
//
// Source: J. Meeus, Astronomical Algorithms (2nd ed., 1998), Appendix III, "Earth", the terms
// that ch. 25 ("higher accuracy") and ch. 32 use: the Sun's geocentric longitude to about one
// arc second within a few thousand years of 2000 (Meeus compares them with the full theory).

namespace chronel {

struct HeliocentricPlace {
    double longitude = 0.0;  // L, radians, [0, 2 pi)
    double latitude = 0.0;   // B, radians
    double radius = 0.0;     // R, astronomical units
};

// At tau Julian millennia of dynamical time from J2000.0: (JDE - 2451545) / 365250.
HeliocentricPlace EarthHeliocentricPlace(double tau);

}  // namespace chronel
