#include "astro/core/delta_t.h"

namespace chronel {
namespace {

// The long-term parabola of Morrison & Stephenson (2004), seconds.
double LongTermParabola(double y) {
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u;
}

// Horner evaluation of c[0] + c[1] x + c[2] x^2 + ...
template <int N>
double Polynomial(const double (&c)[N], double x) {
    double sum = 0.0;
    for (int i = N - 1; i >= 0; --i) sum = sum * x + c[i];
    return sum;
}

}  // namespace

double DeltaTSeconds(double y) {
    if (y < -500) return LongTermParabola(y);
    if (y < 500) {
        static constexpr double c[] = {10583.6,      -1014.41,     33.78311,    -5.952053,
                                       -0.1798452,   0.022174192,  0.0090316521};
        return Polynomial(c, y / 100);
    }
    if (y < 1600) {
        static constexpr double c[] = {1574.2,      -556.01,      71.23472,    0.319781,
                                       -0.8503463,  -0.005050998, 0.0083572073};
        return Polynomial(c, (y - 1000) / 100);
    }
    if (y < 1700) {
        static constexpr double c[] = {120, -0.9808, -0.01532, 1.0 / 7129};
        return Polynomial(c, y - 1600);
    }
    if (y < 1800) {
        static constexpr double c[] = {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000};
        return Polynomial(c, y - 1700);
    }
    if (y < 1860) {
        static constexpr double c[] = {13.72,      -0.332447,   0.0068612,     0.0041116,
                                       -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875};
        return Polynomial(c, y - 1800);
    }
    if (y < 1900) {
        static constexpr double c[] = {7.62,  0.5737, -0.251754, 0.01680668, -0.0004473624,
                                       1.0 / 233174};
        return Polynomial(c, y - 1860);
    }
    if (y < 1920) {
        static constexpr double c[] = {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197};
        return Polynomial(c, y - 1900);
    }
    if (y < 1941) {
        static constexpr double c[] = {21.20, 0.84493, -0.076100, 0.0020936};
        return Polynomial(c, y - 1920);
    }
    if (y < 1961) {
        static constexpr double c[] = {29.07, 0.407, -1.0 / 233, 1.0 / 2547};
        return Polynomial(c, y - 1950);
    }
    if (y < 1986) {
        static constexpr double c[] = {45.45, 1.067, -1.0 / 260, -1.0 / 718};
        return Polynomial(c, y - 1975);
    }
    if (y < 2005) {
        static constexpr double c[] = {63.86,     0.3345,      -0.060374,
                                       0.0017275, 0.000651814, 0.00002373599};
        return Polynomial(c, y - 2000);
    }
    if (y < 2050) {
        static constexpr double c[] = {62.92, 0.32217, 0.005589};
        return Polynomial(c, y - 2000);
    }
    if (y < 2150) return LongTermParabola(y) - 0.5628 * (2150 - y);
    return LongTermParabola(y);
}

double DecimalYearOfJD(double jd) { return 2000.0 + (jd - 2451544.5) / 365.2425; }

double DeltaTDays(double jd) { return DeltaTSeconds(DecimalYearOfJD(jd)) / 86400.0; }

}  // namespace chronel
