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

constexpr int kSampleCount = 25;  // whole hours 0..24 of the local day

// Sine of a body's altitude at each whole hour of the day, computed when first asked for. The
// Sun and the twilight searches sample the same instants, so they share one table.
class AltitudeSamples {
public:
    AltitudeSamples(int index, const Place& place) : index_(index), place_(place) {}

    double At(int hour) {
        if (!known_[hour]) {
            value_[hour] = SinAltitude(index_, place_.mjd0, hour, place_.lonWest, place_.cosLat,
                                       place_.sinLat);
            known_[hour] = true;
        }
        return value_[hour];
    }

private:
    int index_;
    const Place& place_;
    double value_[kSampleCount] = {};
    bool known_[kSampleCount] = {};
};

// One body's search through the local day; sinH0 is the sine of its event altitude.
RiseSetSearch Search(AltitudeSamples& samples, double sinH0) {
    auto y = [&](int hour) { return samples.At(hour) - sinH0; };

    RiseSetSearch s;
    int hour = 1;
    double ym = y(0);
    s.above = ym > 0;
    do {
        const double y0 = y(hour);
        const double yp = y(hour + 1);
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
        hour += 2;
    } while (hour < 25 && !(s.rise && s.set));
    return s;
}

}  // namespace

RiseSetResult ComputeRiseSet(int year, int month, int day, double longitude, double latitude,
                             double timeZone) {
    const Place p{GregorianToMJD(day, month, year) - timeZone * kPerHourDays, -longitude,
                  SinDeg(latitude), CosDeg(latitude)};
    AltitudeSamples moon(kBodyMoon, p);
    AltitudeSamples sun(kBodySun, p);  // the Sun's altitude serves both Sun searches
    RiseSetResult r;
    r.moon = Search(moon, SinDeg(0.13333333333333333));
    r.sun = Search(sun, SinDeg(-0.8333333333333334));
    r.twilight = Search(sun, SinDeg(-12.0));
    return r;
}

}  // namespace chronel
