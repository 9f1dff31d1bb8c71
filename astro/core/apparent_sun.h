#pragma once
// The Sun's apparent geocentric place: right ascension and declination referred to the true
// equator and equinox of the date, with aberration, to about one arc second near today.
//
// Method: J. Meeus, Astronomical Algorithms (2nd ed., 1998), ch. 25 "higher accuracy": the
// Earth's heliocentric place from the truncated VSOP87 series (earth_vsop87.h), turned
// geocentric, reduced to the FK5 system, corrected for nutation in longitude (nutation.h)
// and for aberration (-20.4898" / R), then turned equatorial with the true obliquity
// (ch. 13). The low-precision series of rise_set_math.h are good to about one arc minute.

namespace chronel {

struct ApparentSunPlace {
    double rightAscension = 0.0;       // degrees, [0, 360)
    double declination = 0.0;          // degrees
    double distance = 0.0;             // astronomical units
    double equationOfEquinoxes = 0.0;  // degrees: apparent less mean sidereal time
};

// At the Julian Ephemeris Day jde (dynamical time).
ApparentSunPlace ApparentSunAt(double jde);

}  // namespace chronel
