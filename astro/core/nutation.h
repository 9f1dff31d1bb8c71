#pragma once
// Nutation and the obliquity of the ecliptic.
//
// Source: J. Meeus, Astronomical Algorithms (2nd ed., 1998), ch. 22: the four largest terms of
// the IAU 1980 theory of nutation, which Meeus gives as accurate to 0.5" in longitude and 0.1"
// in obliquity, and the mean obliquity of the IAU (eq. 22.2), good to about 1" over 2000
// years either side of J2000.0.

namespace chronel {

struct Nutation {
    double longitude = 0.0;  // delta psi, degrees
    double obliquity = 0.0;  // delta epsilon, degrees
};

// At t Julian centuries of dynamical time from J2000.0: (JDE - 2451545) / 36525.
Nutation NutationAt(double t);

// The mean obliquity of the ecliptic epsilon0, degrees; the true obliquity adds the nutation
// in obliquity.
double MeanObliquity(double t);

}  // namespace chronel
