#include "astro/core/seasons.h"

#include <cmath>

namespace chronel {
namespace {

constexpr double kDegToRad = 0.017453292519943295;

// Mean instants, Meeus tables 27.A and 27.B: JDE0 = c0 + c1 Y + c2 Y^2 + c3 Y^3 + c4 Y^4.
struct MeanSeason {
    double c[5];
};
constexpr MeanSeason kBeforeAD1000[4] = {  // Y = year / 1000
    {{1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071}},
    {{1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025}},
    {{1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074}},
    {{1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006}},
};
constexpr MeanSeason kFromAD1000[4] = {  // Y = (year - 2000) / 1000
    {{2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057}},
    {{2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030}},
    {{2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078}},
    {{2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032}},
};

// Periodic terms, Meeus table 27.C: A cos(B + C T), B and C in degrees.
struct PeriodicTerm {
    double A, B, C;
};
constexpr PeriodicTerm kTerms[24] = {
    {485, 324.96, 1934.136}, {203, 337.23, 32964.467}, {199, 342.08, 20.186},
    {182, 27.85, 445267.112}, {156, 73.14, 45036.886}, {136, 171.52, 22518.443},
    {77, 222.54, 65928.934},  {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
    {58, 119.81, 33718.147},  {52, 297.17, 150.678},    {50, 21.02, 2281.226},
    {45, 247.54, 29929.562},  {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
    {18, 155.12, 67555.328},  {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
    {14, 199.76, 31436.921},  {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
    {12, 320.81, 34777.259},  {9, 227.73, 1222.114},    {8, 15.45, 16859.074},
};

}  // namespace

std::string_view SeasonName(SeasonKind kind) {
    switch (kind) {
        case SeasonKind::kMarchEquinox: return "March equinox";
        case SeasonKind::kJuneSolstice: return "June solstice";
        case SeasonKind::kSeptemberEquinox: return "September equinox";
        case SeasonKind::kDecemberSolstice: return "December solstice";
    }
    return {};
}

double SeasonJDE(int year, SeasonKind kind) {
    const bool early = year < 1000;
    const MeanSeason& mean = (early ? kBeforeAD1000 : kFromAD1000)[static_cast<int>(kind)];
    const double Y = early ? year / 1000.0 : (year - 2000) / 1000.0;
    const double jde0 =
        mean.c[0] + Y * (mean.c[1] + Y * (mean.c[2] + Y * (mean.c[3] + Y * mean.c[4])));

    const double T = (jde0 - 2451545.0) / 36525;
    const double W = (35999.373 * T - 2.47) * kDegToRad;
    const double dLambda = 1 + 0.0334 * std::cos(W) + 0.0007 * std::cos(2 * W);
    double S = 0.0;
    for (const PeriodicTerm& t : kTerms) S += t.A * std::cos((t.B + t.C * T) * kDegToRad);
    return jde0 + 0.00001 * S / dLambda;
}

}  // namespace chronel
