#pragma once
// The apparent Sun through one local day, as the almanac's twilight and noon searches see it:
// its place (apparent_sun.h) at the start, the middle and the end of the day, and between them
// the parabola through those three (Meeus, Astronomical Algorithms, eq. 3.3). The Sun's place
// is that smooth: over half a day the parabola is off by well under 0.01". Altitudes are
// geometric (no refraction) and topocentric: the Sun's horizontal parallax of 8.794" / R
// lowers it by that times the cosine of the altitude.

namespace chronel {

class ApparentSunDay {
public:
    // The day of 24 hours from mjd0 (Modified Julian Day, UT), with ΔT in days, seen from
    // latitude and longitude in degrees (north and east positive).
    ApparentSunDay(double mjd0, double deltaTDays, double latitude, double longitude);

    // The sine of the altitude of the Sun's centre at that many hours after mjd0 (0..24).
    double SinAltitude(double hour) const;

    // The sine of the Sun's local hour angle then, positive west of the meridian (geocentric:
    // the parallax moves the Sun in hour angle by at most 0.6 s of time, and not at all on
    // the meridian).
    double SinHourAngle(double hour) const;

private:
    struct Place {
        double rightAscension, declination, equationOfEquinoxes;  // degrees
    };
    Place PlaceAt(double hour) const;
    double HourAngleDegrees(double hour, const Place& p) const;

    double mjd0_;
    double longitude_;
    double sinLat_, cosLat_;
    double parallax_;  // horizontal parallax, radians
    Place start_, middle_, end_;  // at hours 0, 12 and 24; right ascension made continuous
};

}  // namespace chronel
