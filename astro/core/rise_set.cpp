#include "astro/core/rise_set.h"

#include "astro/core/rise_set_math.h"
#include "calendar/day_numbers.h"

namespace chronel {
namespace {

constexpr double kPerHourDays = 0.041666666666666664;  // 1 / 24

struct Place {
    double mjd0;     // UT of the local midnight, MJD
    double lonWest;  // degrees, west positive
    double sinLat;
    double cosLat;
};

// One body's search through the local day; sinH0 is the sine of its event altitude.
RiseSetSearch Search(int index, double sinH0, const Place& p) {
    auto y = [&](double hour) {
        return SinAltitude(index, p.mjd0, hour, p.lonWest, p.cosLat, p.sinLat) - sinH0;
    };

    RiseSetSearch s;
    double hour = 1.0;
    double ym = y(0.0);
    s.above = ym > 0;
    do {
        const double y0 = y(hour);
        const double yp = y(hour + 1.0);
        const QuadRoots q = FindQuadRoots(ym, y0, yp);
        if (q.nz == 1) {
            if (ym < 0) {
                s.rise = hour + q.z1;
            } else {
                s.set = hour + q.z1;
            }
        } else if (q.nz == 2) {
            if (q.ye < 0) {  // dips below between the roots: sets at z1, rises at z2
                s.rise = hour + q.z2;
                s.set = hour + q.z1;
            } else {
                s.rise = hour + q.z1;
                s.set = hour + q.z2;
            }
        }
        ym = yp;
        hour += 2.0;
    } while (hour < 25.0 && !(s.rise && s.set));
    return s;
}

}  // namespace

RiseSetResult ComputeRiseSet(int year, int month, int day, double longitude, double latitude,
                             double timeZone) {
    const Place p{GregorianToMJD(day, month, year) - timeZone * kPerHourDays, -longitude,
                  SinDeg(latitude), CosDeg(latitude)};
    RiseSetResult r;
    r.moon = Search(kBodyMoon, SinDeg(0.13333333333333333), p);
    r.sun = Search(kBodySun, SinDeg(-0.8333333333333334), p);
    r.twilight = Search(kBodyTwilight, SinDeg(-12.0), p);
    return r;
}

}  // namespace chronel
