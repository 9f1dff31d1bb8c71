#include "astro/core/rise_set_math.h"

#include <cmath>

namespace chronel {
namespace {

constexpr double kDegToRad = 0.0174532925199433;
constexpr double kTwoPi = 6.283185307;
constexpr double kPerTwoPi = 0.15915494309644432;        // 1 / kTwoPi
constexpr double kRadToDeg = 57.29577951471995;          // 360 / kTwoPi
constexpr double kRadToHours = 7.639437268629328;        // 48 / kTwoPi (atan of a half angle)
constexpr double kPerTurnArcsec = 7.716049382716049e-07;  // 1 / 1296000
constexpr double kPerRadianArcsec = 4.848136812202333e-06;  // 1 / 206264.8062
constexpr double kCosEps = 0.91748;  // obliquity of the ecliptic, J2000
constexpr double kSinEps = 0.39778;
constexpr double kMjdJ2000 = 51544.5;
constexpr double kPerJulianCentury = 2.7378507871321012e-05;  // 1 / 36525 days
constexpr double kPerHourDays = 0.041666666666666664;        // 1 / 24

}  // namespace

double SinDeg(double x) { return std::sin(x * kDegToRad); }
double CosDeg(double x) { return std::cos(x * kDegToRad); }

double Frac(double x) {
    x -= std::trunc(x);
    if (x < 0) x += 1;
    return x;
}

double Sign(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

double IntPart(double x) { return Sign(x) * std::trunc(std::abs(x)); }

HoursMinutes HoursToHM(double x) {
    HoursMinutes hm;
    hm.hours = static_cast<int>(x);
    hm.minutes = static_cast<int>((x - hm.hours) * 60 + 0.5);
    if (hm.minutes >= 60) {
        hm.hours += 1;
        hm.minutes -= 60;
    }
    return hm;
}

double LocalSiderealTime(double mjd, double lonWest) {
    const double m0 = IntPart(mjd);
    const double ut = (mjd - m0) * 24;
    const double t = (m0 - kMjdJ2000) * kPerJulianCentury;
    const double gmst = 6.697374558 + 1.0027379093 * ut +
                        t * (8640184.812866 + t * (0.093104 - 6.2e-06 * t)) / 3600;
    return 24 * Frac((gmst - lonWest / 15) / 24);
}

EquatorialPosition SunPosition(double t) {
    const double M = kTwoPi * Frac(0.993133 + 99.997361 * t);
    const double L =
        kTwoPi * Frac(0.7859453 + M * kPerTwoPi +
                      (6191.2 * t + 6893 * std::sin(M) + 72 * std::sin(2 * M)) * kPerTurnArcsec);
    const double Z = kSinEps * std::sin(L);
    const double rho = std::sqrt(1 - Z * Z);
    EquatorialPosition p;
    p.dec = kRadToDeg * std::atan(Z / rho);
    p.ra = kRadToHours * std::atan(kCosEps * std::sin(L) / (std::cos(L) + rho));
    if (p.ra < 0) p.ra += 24;
    return p;
}

EquatorialPosition MoonPosition(double t) {
    const double L0 = Frac(0.606433 + 1336.855225 * t);  // mean longitude, turns
    const double l = kTwoPi * Frac(0.374897 + 1325.55241 * t);   // Moon's mean anomaly
    const double ls = kTwoPi * Frac(0.993133 + 99.997361 * t);   // Sun's mean anomaly
    const double D = kTwoPi * Frac(0.827361 + 1236.853086 * t);  // mean elongation
    const double F = kTwoPi * Frac(0.259086 + 1342.227825 * t);  // argument of latitude

    // Perturbations in longitude, arc seconds.
    const double dL = 22640 * std::sin(l) - 4586 * std::sin(l - 2 * D) + 2370 * std::sin(2 * D) +
                      769 * std::sin(2 * l) - 668 * std::sin(ls) - 412 * std::sin(2 * F) -
                      212 * std::sin(2 * l - 2 * D) - 206 * std::sin(l + ls - 2 * D) +
                      192 * std::sin(l + 2 * D) - 165 * std::sin(ls - 2 * D) -
                      125 * std::sin(D) - 110 * std::sin(l + ls) + 148 * std::sin(l - ls) -
                      55 * std::sin(2 * F - 2 * D);
    const double S = F + (dL + 412 * std::sin(2 * F) + 541 * std::sin(ls)) * kPerRadianArcsec;
    const double h = F - 2 * D;
    // Perturbations in latitude, arc seconds.
    const double N = -526 * std::sin(h) + 44 * std::sin(l + h) - 31 * std::sin(h - l) -
                     23 * std::sin(ls + h) + 11 * std::sin(h - ls) - 25 * std::sin(F - 2 * l) +
                     21 * std::sin(F - l);

    const double lambda = kTwoPi * Frac(L0 + dL * kPerTurnArcsec);  // ecliptic longitude
    const double beta = (18520 * std::sin(S) + N) * kPerRadianArcsec;  // ecliptic latitude

    const double X = std::cos(beta) * std::cos(lambda);
    const double V = std::cos(beta) * std::sin(lambda);
    const double W = std::sin(beta);
    const double Y = kCosEps * V - kSinEps * W;
    const double Z = kSinEps * V + kCosEps * W;
    const double rho = std::sqrt(1 - Z * Z);
    EquatorialPosition p;
    p.dec = kRadToDeg * std::atan(Z / rho);
    p.ra = kRadToHours * std::atan(Y / (X + rho));
    if (p.ra < 0) p.ra += 24;
    return p;
}

double SinAltitude(int index, double mjd0, double hour, double lonWest, double cosLat,
                   double sinLat) {
    const double mjd = mjd0 + hour * kPerHourDays;
    const double t = (mjd - kMjdJ2000) * kPerJulianCentury;
    const EquatorialPosition p = index == kBodyMoon ? MoonPosition(t) : SunPosition(t);
    const double tau = 15 * (LocalSiderealTime(mjd, lonWest) - p.ra);  // hour angle, degrees
    return sinLat * SinDeg(p.dec) + cosLat * CosDeg(p.dec) * CosDeg(tau);
}

QuadRoots FindQuadRoots(double ym, double y0, double yp) {
    QuadRoots q;
    const double a = 0.5 * (ym + yp) - y0;
    const double b = 0.5 * (yp - ym);
    const double c = y0;
    if (a == 0) return q;  // a straight line: no extremum and no roots counted
    q.xe = -b / (2 * a);
    q.ye = (a * q.xe + b) * q.xe + c;
    const double dis = b * b - 4 * a * c;
    if (!(dis > 0)) return q;
    const double dx = 0.5 * std::sqrt(dis) / std::abs(a);
    q.z1 = q.xe - dx;
    q.z2 = q.xe + dx;
    if (std::abs(q.z1) <= 1) ++q.nz;
    if (std::abs(q.z2) <= 1) ++q.nz;
    if (q.z1 < -1) q.z1 = q.z2;
    return q;
}

}  // namespace chronel
