#include "astro/core/apparent_sun_day.h"

#include <cmath>

#include "astro/core/apparent_sun.h"
#include "astro/core/sidereal_time.h"
#include "calendar/day_numbers.h"

namespace chronel {
namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kParallaxAtOneAu = 8.794 / 3600 * kDegToRad;

}  // namespace

ApparentSunDay::ApparentSunDay(double mjd0, double deltaTDays, double latitude, double longitude)
    : mjd0_(mjd0),
      longitude_(longitude),
      sinLat_(std::sin(latitude * kDegToRad)),
      cosLat_(std::cos(latitude * kDegToRad)) {
    const double jde0 = mjd0 + kMjdOffset + deltaTDays;
    Place* places[] = {&start_, &middle_, &end_};
    double distance = 0.0;
    for (int i = 0; i < 3; ++i) {
        const ApparentSunPlace p = ApparentSunAt(jde0 + 0.5 * i);
        *places[i] = {p.rightAscension, p.declination, p.equationOfEquinoxes};
        if (i == 1) distance = p.distance;
    }
    // The right ascension grows about a degree a day; across 0 h it wraps.
    if (middle_.rightAscension < start_.rightAscension - 180) middle_.rightAscension += 360;
    if (end_.rightAscension < middle_.rightAscension - 180) end_.rightAscension += 360;
    parallax_ = kParallaxAtOneAu / distance;
}

ApparentSunDay::Place ApparentSunDay::PlaceAt(double hour) const {
    const double n = hour / 12 - 1;  // -1 at the start, +1 at the end
    auto parabola = [n](double y1, double y2, double y3) {
        return y2 + 0.5 * n * ((y3 - y1) + n * (y1 + y3 - 2 * y2));
    };
    return {parabola(start_.rightAscension, middle_.rightAscension, end_.rightAscension),
            parabola(start_.declination, middle_.declination, end_.declination),
            parabola(start_.equationOfEquinoxes, middle_.equationOfEquinoxes, end_.equationOfEquinoxes)};
}

double ApparentSunDay::HourAngleDegrees(double hour, const Place& p) const {
    const double jdUt = mjd0_ + kMjdOffset + hour / 24;
    return GreenwichApparentSiderealDegrees(jdUt, p.equationOfEquinoxes) + longitude_ - p.rightAscension;
}

double ApparentSunDay::SinAltitude(double hour) const {
    const Place p = PlaceAt(hour);
    const double dec = p.declination * kDegToRad;
    const double sinGeocentric =
        sinLat_ * std::sin(dec) + cosLat_ * std::cos(dec) * std::cos(HourAngleDegrees(hour, p) * kDegToRad);
    // sin(h - p cos h) to first order in the parallax p: sin h - p cos^2 h.
    return sinGeocentric - parallax_ * (1 - sinGeocentric * sinGeocentric);
}

double ApparentSunDay::SinHourAngle(double hour) const {
    const Place p = PlaceAt(hour);
    return std::sin(HourAngleDegrees(hour, p) * kDegToRad);
}

}  // namespace chronel
