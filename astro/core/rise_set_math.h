#pragma once
// Building blocks of the rise and set search: angle and number helpers, local sidereal time,
// low-precision positions of the Sun and the Moon, the altitude of either, and the roots of
// the parabola through three altitude samples.
//
// Source: O. Montenbruck and T. Pfleger, Astronomy on the Personal Computer (Springer), the
// short analytic series MiniSun / MiniMoon, the sidereal-time polynomial and the quadratic
// interpolation QUAD used by their SUNSET program. Their coefficients are kept as published;
// 2 pi is taken as 6.283185307 and the obliquity as cos e = 0.91748, sin e = 0.39778.

namespace chronel {

// sin and cos of x degrees (the conversion factor is 0.0174532925199433).
double SinDeg(double x);
double CosDeg(double x);

// x - trunc(x), plus 1 when that is negative: a value in [0, 1).
double Frac(double x);

// 1 for x > 0, -1 for x < 0, otherwise 0.
double Sign(double x);

// The integer part of x toward zero, as a double.
double IntPart(double x);

// A duration or clock time in whole hours and minutes.
struct HoursMinutes {
    int hours = 0;
    int minutes = 0;  // 0..59
    int Packed() const { return hours * 100 + minutes; }  // 806 for 08:06
};

// Decimal hours x (0 <= x <= 24) to hours and minutes, the minutes rounded to the nearest
// whole minute. A time within half a minute before a full hour carries into that hour
// (6.9999 h is 07:00), so an event at the very end of the day reads 24:00.
HoursMinutes HoursToHM(double x);

// Local mean sidereal time in hours, [0, 24), at the instant mjd (Modified Julian Day, UT) for
// a place lonWest degrees west of Greenwich (east negative).
double LocalSiderealTime(double mjd, double lonWest);

// Apparent place on the sky: right ascension in hours [0, 24), declination in degrees.
struct EquatorialPosition {
    double ra = 0.0;
    double dec = 0.0;
};

// Sun and Moon at t Julian centuries from MJD 51544.5 (1 January 2000, 12h). The Sun to about
// one arc minute, the Moon to a few arc minutes, for dates within a few centuries of 2000.
EquatorialPosition SunPosition(double t);
EquatorialPosition MoonPosition(double t);

// Bodies of the rise and set searches.
inline constexpr int kBodyMoon = 1;
inline constexpr int kBodySun = 2;
inline constexpr int kBodyTwilight = 3;  // the Sun, for the twilight threshold

// Sine of the altitude of the Moon (index kBodyMoon) or the Sun (any other index) at
// mjd0 + hour / 24, seen from the place with the given sine and cosine of its latitude.
double SinAltitude(int index, double mjd0, double hour, double lonWest, double cosLat,
                   double sinLat);

// The parabola through (-1, ym), (0, y0), (+1, yp).
struct QuadRoots {
    double xe = 0.0;  // abscissa of the extremum
    double ye = 0.0;  // value at the extremum
    double z1 = 0.0;  // roots, z1 <= z2; with one root inside [-1, 1], z1 is that root
    double z2 = 0.0;
    int nz = 0;       // number of roots inside [-1, 1]: 0, 1 or 2
};

// Roots of that parabola within [-1, 1]. Three samples on a straight line (no parabola) have
// no roots here: nz = 0, and so has a parabola that does not cross zero.
QuadRoots FindQuadRoots(double ym, double y0, double yp);

}  // namespace chronel
