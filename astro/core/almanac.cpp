#include "astro/core/almanac.h"

#include <cmath>

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

// Crossings of zero by a quantity sampled at hours 0..24, found as in rise_set.cpp.
struct Crossings {
    std::optional<double> up;    // hours after midnight
    std::optional<double> down;
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
        if (q.nz == 1) {
            if (ym < 0) {
                c.up = hour + q.z1;
            } else {
                c.down = hour + q.z1;
            }
        } else if (q.nz == 2) {
            if (q.ye < 0) {  // dips below between the roots
                c.up = hour + q.z2;
                c.down = hour + q.z1;
            } else {
                c.up = hour + q.z1;
                c.down = hour + q.z2;
            }
        }
        ym = yp;
    }
    return c;
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

RiseAndSet AltitudeEvents(const SkySample (&s)[kSampleCount], double altitude,
                          const DayContext& day) {
    const double sinH0 = SinDeg(altitude);
    double y[kSampleCount];
    for (int i = 0; i < kSampleCount; ++i) y[i] = s[i].sinAltitude - sinH0;
    const Crossings c = FindCrossings(y);
    RiseAndSet r;
    if (!c.up && !c.down) {
        const EventState all = c.positiveAtMidnight ? EventState::kAlwaysAbove : EventState::kAlwaysBelow;
        r.rise.state = r.set.state = all;
        return r;
    }
    if (c.up) r.rise = day.Happens(*c.up);
    if (c.down) r.set = day.Happens(*c.down);
    return r;
}

std::optional<double> TransitHour(const SkySample (&s)[kSampleCount]) {
    double y[kSampleCount];
    for (int i = 0; i < kSampleCount; ++i) y[i] = s[i].sinHourAngle;
    return FindCrossings(y).up;
}

double DayLengthHours(const Crossings& sun) {
    if (sun.up && sun.down) {
        const double length = *sun.down - *sun.up;
        return length < 0 ? length + 24 : length;
    }
    if (sun.up) return 24 - *sun.up;
    if (sun.down) return *sun.down;
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
    SkySample sun[kSampleCount];
    SkySample moon[kSampleCount];
    for (int h = 0; h < kSampleCount; ++h) {
        sun[h] = Observe(false, mjd0 + h * kPerHourDays, deltaT, o);
        moon[h] = Observe(true, mjd0 + h * kPerHourDays, deltaT, o);
    }

    const RiseAndSet astronomical = AltitudeEvents(sun, kAstronomicalTwilightAltitude, ctx);
    const RiseAndSet nautical = AltitudeEvents(sun, kNauticalTwilightAltitude, ctx);
    const RiseAndSet civil = AltitudeEvents(sun, kCivilTwilightAltitude, ctx);
    const RiseAndSet sunRiseSet = AltitudeEvents(sun, kSunriseAltitude, ctx);
    a.astronomicalDawn = astronomical.rise, a.astronomicalDusk = astronomical.set;
    a.nauticalDawn = nautical.rise, a.nauticalDusk = nautical.set;
    a.civilDawn = civil.rise, a.civilDusk = civil.set;
    a.sunrise = sunRiseSet.rise, a.sunset = sunRiseSet.set;

    if (const std::optional<double> noon = TransitHour(sun)) {
        a.solarNoon = ctx.Happens(*noon);
        const SkySample s = Observe(false, mjd0 + *noon * kPerHourDays, deltaT, o);
        a.solarNoonAltitude = std::asin(std::fmax(-1.0, std::fmin(1.0, s.sinAltitude))) * kRadToDeg;
    }
    {
        double y[kSampleCount];
        for (int i = 0; i < kSampleCount; ++i) y[i] = sun[i].sinAltitude - SinDeg(kSunriseAltitude);
        a.dayLengthHours = DayLengthHours(FindCrossings(y));
    }

    const RiseAndSet moonRiseSet = AltitudeEvents(moon, kMoonriseAltitude, ctx);
    a.moonrise = moonRiseSet.rise, a.moonset = moonRiseSet.set;
    if (const std::optional<double> transit = TransitHour(moon)) a.moonTransit = ctx.Happens(*transit);

    a.moonIlluminatedPercent = MoonIlluminatedPercent(noonUt);
    const MoonAge age = MoonAgeAt(noonUt);
    a.moonAgeDays = age.days;
    a.moonWaxing = age.waxing;

    a.phases = PhasesAround(dayStartUt, dayStartUt + 1.0, ctx);
    a.nextSeason = NextSeason(dayStartUt, ctx);
    return a;
}

}  // namespace chronel
