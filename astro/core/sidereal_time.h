#pragma once
// Greenwich sidereal time.
//
// Source: J. Meeus, Astronomical Algorithms (2nd ed., 1998), ch. 12: the mean sidereal time of
// the IAU 1982 expression (eq. 12.4) for any instant of Universal Time; the apparent sidereal
// time adds the equation of the equinoxes, the nutation in longitude times the cosine of the
// true obliquity (nutation.h).

namespace chronel {

// Greenwich mean sidereal time at the Julian Day jdUt (UT), degrees in [0, 360).
double GreenwichMeanSiderealDegrees(double jdUt);

// Greenwich apparent sidereal time, degrees in [0, 360), given the equation of the equinoxes
// (degrees) at that instant.
double GreenwichApparentSiderealDegrees(double jdUt, double equationOfEquinoxesDegrees);

}  // namespace chronel
