#include "astro/core/almanac.h"

#include <cmath>

#include "astro/core/apparent_sun_day.h"
#include "astro/core/bracketed_root.h"
#include "astro/core/delta_t.h"
#include "astro/core/rise_set_math.h"
#include "calendar/day_numbers.h"

namespace chronel {
namespace {

constexpr double kPerHourDays = 1.0 / 24;
constexpr double kMjdJ2000 = 51544.5;
constexpr double kJulianCentury = 36525.0;
constexpr double kRadToDeg = 57.29577951308232;
constexpr double kSunDistanceKm = 149597870.7;  // 1 au; the Sun's distance varies by 1.7 %
constexpr double kMoonMeanDistanceKm = 385000.6;
constexpr int kSampleCount = 25;  // whole hours 0..24 of the local day
constexpr double kQuarterDays = 29.530588861 / 4;

// One body as seen from the place at one instant.
struct SkySample {
    double sinAltitude = 0.0;
    double sinHourAngle = 0.0;  // positive west of the meridian
};

struct Observer {
    double lonWest;  // degrees, west positive
    double sinLat;
    double cosLat;
};

SkySample Observe(bool moon, double mjdUt, double deltaTDays, const Observer& o) {
    const double t = (mjdUt + deltaTDays - kMjdJ2000) / kJulianCentury;  // TT centuries
    const EquatorialPosition p = moon ? MoonPosition(t) : SunPosition(t);
    const double tau = 15 * (LocalSiderealTime(mjdUt, o.lonWest) - p.ra);  // degrees
    return {o.sinLat * SinDeg(p.dec) + o.cosLat * CosDeg(p.dec) * CosDeg(tau), SinDeg(tau)};
}

// Crossings of zero by a quantity sampled at hours 0..24, found as in rise_set.cpp. Each
// keeps the parabola's root and the hours between which the samples bracket it.
struct Crossing {
    double hour = 0.0;  // hours after midnight
    double lo = 0.0, hi = 0.0;
};

struct Crossings {
    std::optional<Crossing> up;
    std::optional<Crossing> down;
    bool positiveAtMidnight = false;
};

Crossings FindCrossings(const double (&y)[kSampleCount]) {
    Crossings c;
    c.positiveAtMidnight = y[0] > 0;
    double ym = y[0];
    for (int hour = 1; hour < kSampleCount && !(c.up && c.down); hour += 2) {
        const double y0 = y[hour];
        const double yp = y[hour + 1];
        const QuadRoots q = FindQuadRoots(ym, y0, yp);
        const double lo = hour - 1.0, hi = hour + 1.0, extremum = hour + q.xe;
        if (q.nz == 1) {
            const Crossing one{hour + q.z1, lo, hi};
            if (ym < 0) {
                c.up = one;
            } else {
                c.down = one;
            }
        } else if (q.nz == 2) {  // both roots between two samples, one each side of the extremum
            const Crossing first{hour + q.z1, lo, extremum};
            const Crossing second{hour + q.z2, extremum, hi};
            if (q.ye < 0) {  // dips below between the roots
                c.up = second;
                c.down = first;
            } else {
                c.up = first;
                c.down = second;
            }
        }
        ym = yp;
    }
    return c;
}

// The crossing refined on the quantity itself, f(hour), within the samples' bracket: the
// parabola through hourly samples is off by up to half a minute, more where the Sun grazes
// the altitude. Where f does not change sign across the bracket (the parabola dips through
// zero between two samples and f does not), the parabola's root stays.
constexpr double kRootToleranceHours = 1e-5;  // 0.036 s

template <class F>
double Refined(const Crossing& c, F f) {
    return RootInBracket(f, c.lo, c.hi, c.hour, kRootToleranceHours).value_or(c.hour);
}

class DayContext {
public:
    DayContext(double mjd0, const UtcOffsetAt& clockOffset)
        : mjd0_(mjd0), clockOffset_(clockOffset) {}

    AlmanacInstant InstantAtUt(double jdUt) const {
        return {jdUt, jdUt + clockOffset_(jdUt) * kPerHourDays};
    }
    AlmanacInstant InstantAtHour(double hour) const {
        return InstantAtUt(mjd0_ + hour * kPerHourDays + kMjdOffset);
    }
    AlmanacEvent Happens(double hour) const { return {EventState::kHappens, InstantAtHour(hour)}; }

private:
    double mjd0_;
    const UtcOffsetAt& clockOffset_;
};

struct RiseAndSet {
    AlmanacEvent rise, set;
};

// The rise and set rows of an altitude search; hourOf gives the instant of each crossing.
template <class HourOf>
RiseAndSet EventsOf(const Crossings& c, const DayContext& day, HourOf hourOf) {
    RiseAndSet r;
    if (!c.up && !c.down) {
        const EventState all = c.positiveAtMidnight ? EventState::kAlwaysAbove : EventState::kAlwaysBelow;
        r.rise.state = r.set.state = all;
        return r;
    }
    if (c.up) r.rise = day.Happens(hourOf(*c.up));
    if (c.down) r.set = day.Happens(hourOf(*c.down));
    return r;
}

Crossings AltitudeCrossings(const double (&sinAltitude)[kSampleCount], double sinH0) {
    double y[kSampleCount];
    for (int i = 0; i < kSampleCount; ++i) y[i] = sinAltitude[i] - sinH0;
    return FindCrossings(y);
}

// Rise and set (the low-precision series, the parabola's roots as they are): the main window's
// method, so the two agree to the minute.
RiseAndSet RiseSetEvents(const Crossings& c, const DayContext& day) {
    return EventsOf(c, day, [](const Crossing& one) { return one.hour; });
}

// A twilight: the apparent Sun sampled hourly, each crossing refined on its altitude.
RiseAndSet TwilightEvents(const ApparentSunDay& sun, const double (&sinAltitude)[kSampleCount],
                          double altitude, const DayContext& day) {
    const double sinH0 = SinDeg(altitude);
    return EventsOf(AltitudeCrossings(sinAltitude, sinH0), day, [&](const Crossing& c) {
        return Refined(c, [&](double hour) { return sun.SinAltitude(hour) - sinH0; });
    });
}

std::optional<double> MoonTransitHour(const SkySample (&s)[kSampleCount]) {
    double y[kSampleCount];
    for (int i = 0; i < kSampleCount; ++i) y[i] = s[i].sinHourAngle;
    const std::optional<Crossing> up = FindCrossings(y).up;
    return up ? std::optional<double>(up->hour) : std::nullopt;
}

// The apparent Sun's upper transit: the upward crossing of the sine of its hour angle.
std::optional<double> SolarNoonHour(const ApparentSunDay& sun) {
    double y[kSampleCount];
    for (int i = 0; i < kSampleCount; ++i) y[i] = sun.SinHourAngle(i);
    const std::optional<Crossing> up = FindCrossings(y).up;
    if (!up) return std::nullopt;
    return Refined(*up, [&](double hour) { return sun.SinHourAngle(hour); });
}

double DayLengthHours(const Crossings& sun) {
    if (sun.up && sun.down) {
        const double length = sun.down->hour - sun.up->hour;
        return length < 0 ? length + 24 : length;
    }
    if (sun.up) return 24 - sun.up->hour;
    if (sun.down) return sun.down->hour;
    return sun.positiveAtMidnight ? 24.0 : 0.0;
}

std::vector<AlmanacPhase> PhasesAround(double dayStartUt, double dayEndUt, const DayContext& day) {
    std::vector<AlmanacPhase> phases;
    long long q = LastPhaseBefore(dayStartUt);
    for (int after = 0; after < 2 && phases.size() < 8; ++q) {
        const PhaseInstant p = PhaseOfQuarter(q);
        phases.push_back({p.kind, day.InstantAtUt(p.jdUt)});
        if (p.jdUt >= dayEndUt) ++after;
    }
    return phases;
}

AlmanacSeason NextSeason(double dayStartUt, const DayContext& day) {
    const int year = JDToGregorian(dayStartUt).year;
    for (int y = year - 1; y <= year + 1; ++y) {
        for (int kind = 0; kind < 4; ++kind) {
            const auto k = static_cast<SeasonKind>(kind);
            const double ut = SeasonInstantUt(y, k);
            if (ut >= dayStartUt) return {k, day.InstantAtUt(ut)};
        }
    }
    return {SeasonKind::kMarchEquinox, day.InstantAtUt(SeasonInstantUt(year + 2, SeasonKind::kMarchEquinox))};
}

struct MoonAge {
    double days;
    bool waxing;
};

MoonAge MoonAgeAt(double jdUt) {
    long long q = LastPhaseBefore(jdUt);
    q -= ((q % 4) + 4) % 4;  // back to that lunation's new moon
    return {jdUt - PhaseOfQuarter(q).jdUt, jdUt < PhaseOfQuarter(q + 2).jdUt};
}

}  // namespace

double PhaseInstantUt(double k) {
    const double jde = TruePhaseJDE(k);
    return jde - DeltaTDays(jde);
}

PhaseInstant PhaseOfQuarter(long long q) {
    const double k = static_cast<double>(q) / 4.0;  // exact: 0.25, 0.5, 0.75 fractions
    return {static_cast<PhaseKind>(((q % 4) + 4) % 4), PhaseInstantUt(k)};
}

long long LastPhaseBefore(double jdUt) {
    // Start from the mean lunation and correct by whole quarters (7.38 days); far from 2000
    // the polynomial terms of the mean phase and ΔT move the phases by many lunations.
    long long q = static_cast<long long>(std::floor(4 * LunationNumber(jdUt)));
    for (int i = 0; i < 16; ++i) {
        const long long dq = std::llround((jdUt - PhaseOfQuarter(q).jdUt) / kQuarterDays);
        if (dq == 0) break;
        q += dq;
    }
    for (int i = 0; i < 16 && PhaseOfQuarter(q).jdUt >= jdUt; ++i) --q;
    for (int i = 0; i < 16 && PhaseOfQuarter(q + 1).jdUt < jdUt; ++i) ++q;
    return q;
}

double SeasonInstantUt(int year, SeasonKind kind) {
    const double jde = SeasonJDE(year, kind);
    return jde - DeltaTDays(jde);
}

double MoonIlluminatedPercent(double jdUt) {
    const double t = (jdUt + DeltaTDays(jdUt) - kMjdOffset - kMjdJ2000) / kJulianCentury;
    const EquatorialPosition sun = SunPosition(t);
    const EquatorialPosition moon = MoonPosition(t);
    // Geocentric elongation psi (Meeus eq. 48.2), then the phase angle i (eq. 48.3).
    const double cosPsi = SinDeg(sun.dec) * SinDeg(moon.dec) +
                          CosDeg(sun.dec) * CosDeg(moon.dec) * CosDeg(15 * (sun.ra - moon.ra));
    const double psi = std::acos(std::fmax(-1.0, std::fmin(1.0, cosPsi)));
    const double i = std::atan2(kSunDistanceKm * std::sin(psi),
                                kMoonMeanDistanceKm - kSunDistanceKm * std::cos(psi));
    return 50.0 * (1 + std::cos(i));
}

Almanac ComputeAlmanac(int year, int month, int day, double latitude, double longitude,
                       double searchUtcOffset, const UtcOffsetAt& clockOffset) {
    Almanac a;
    a.year = year, a.month = month, a.day = day;
    a.searchUtcOffset = searchUtcOffset;

    const double mjd0 = GregorianToMJD(day, month, year) - searchUtcOffset * kPerHourDays;
    const double dayStartUt = mjd0 + kMjdOffset;
    const double noonUt = dayStartUt + 0.5;
    const double deltaT = DeltaTDays(noonUt);
    a.deltaTSeconds = deltaT * 86400.0;
    const DayContext ctx(mjd0, clockOffset);

    const Observer o{-longitude, SinDeg(latitude), CosDeg(latitude)};
    double sunLowPrecision[kSampleCount];  // sine of the altitude, for sunrise and sunset
    SkySample moon[kSampleCount];
    for (int h = 0; h < kSampleCount; ++h) {
        sunLowPrecision[h] = Observe(false, mjd0 + h * kPerHourDays, deltaT, o).sinAltitude;
        moon[h] = Observe(true, mjd0 + h * kPerHourDays, deltaT, o);
    }

    const ApparentSunDay sun(mjd0, deltaT, latitude, longitude);
    double sunApparent[kSampleCount];  // sine of the altitude, for the twilights
    for (int h = 0; h < kSampleCount; ++h) sunApparent[h] = sun.SinAltitude(h);

    const RiseAndSet astronomical = TwilightEvents(sun, sunApparent, kAstronomicalTwilightAltitude, ctx);
    const RiseAndSet nautical = TwilightEvents(sun, sunApparent, kNauticalTwilightAltitude, ctx);
    const RiseAndSet civil = TwilightEvents(sun, sunApparent, kCivilTwilightAltitude, ctx);
    const Crossings sunCrossings = AltitudeCrossings(sunLowPrecision, SinDeg(kSunriseAltitude));
    const RiseAndSet sunRiseSet = RiseSetEvents(sunCrossings, ctx);
    a.astronomicalDawn = astronomical.rise, a.astronomicalDusk = astronomical.set;
    a.nauticalDawn = nautical.rise, a.nauticalDusk = nautical.set;
    a.civilDawn = civil.rise, a.civilDusk = civil.set;
    a.sunrise = sunRiseSet.rise, a.sunset = sunRiseSet.set;

    if (const std::optional<double> noon = SolarNoonHour(sun)) {
        a.solarNoon = ctx.Happens(*noon);
        a.solarNoonAltitude = std::asin(std::fmax(-1.0, std::fmin(1.0, sun.SinAltitude(*noon)))) * kRadToDeg;
    }
    a.dayLengthHours = DayLengthHours(sunCrossings);

    double moonAltitude[kSampleCount];
    for (int h = 0; h < kSampleCount; ++h) moonAltitude[h] = moon[h].sinAltitude;
    const RiseAndSet moonRiseSet = RiseSetEvents(AltitudeCrossings(moonAltitude, SinDeg(kMoonriseAltitude)), ctx);
    a.moonrise = moonRiseSet.rise, a.moonset = moonRiseSet.set;
    if (const std::optional<double> transit = MoonTransitHour(moon)) a.moonTransit = ctx.Happens(*transit);

    a.moonIlluminatedPercent = MoonIlluminatedPercent(noonUt);
    const MoonAge age = MoonAgeAt(noonUt);
    a.moonAgeDays = age.days;
    a.moonWaxing = age.waxing;

    a.phases = PhasesAround(dayStartUt, dayStartUt + 1.0, ctx);
    a.nextSeason = NextSeason(dayStartUt, ctx);
    return a;
}

}  // namespace chronel
