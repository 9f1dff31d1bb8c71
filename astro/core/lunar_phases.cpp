#include "astro/core/lunar_phases.h"

#include <cmath>

namespace chronel {
namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kNewMoonEpochJDE = 2451550.09766;  // mean new moon of 6 January 2000 (k = 0)
constexpr double kSynodicMonth = 29.530588861;      // mean lunation, days
constexpr double kPerSynodicMonth = 0.03386319198397918;  // 1 / 29.530588861
constexpr double kCenturiesPerLunation = 0.0008085054776246109;  // 1 / 1236.85

double ReducedRadians(double degrees) { return ReduceDegrees(degrees) * kDegToRad; }

// Fundamental arguments of Meeus ch. 49, in radians.
struct Arguments {
    double E;      // eccentricity factor of the Earth's orbit (dimensionless)
    double M;      // Sun's mean anomaly
    double Mp;     // Moon's mean anomaly
    double F;      // Moon's argument of latitude
    double Omega;  // longitude of the Moon's ascending node
};

Arguments ArgumentsFor(double k, double T) {
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    Arguments a;
    a.E = 1 - 0.002516 * T - 0.0000074 * T2;
    a.M = ReducedRadians(2.5534 + 29.1053567 * k - 0.0000014 * T2 - 0.00000011 * T3);
    a.Mp = ReducedRadians(201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 -
                          0.000000058 * T4);
    a.F = ReducedRadians(160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 +
                         0.00000001 * T4);
    a.Omega = ReducedRadians(124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3);
    return a;
}

// The periodic terms of Meeus table 49 (coefficients in days) for the three sets of phases.
// Each term is coefficient x E^powerOfE x sin(mp M' + m M + f F + omega Omega); a zero
// coefficient marks a term that its set lacks. Terms are summed in table order.
struct PeriodicTerm {
    double newMoon, fullMoon, quarter;
    int powerOfE;
    int mp, m, f, omega;
};
constexpr PeriodicTerm kPeriodicTerms[] = {
    {-0.4072, -0.40614, -0.62801, 0, 1, 0, 0, 0},      // sin M'
    {0.17241, 0.17302, 0.17172, 1, 0, 1, 0, 0},        // E sin M
    {0.01608, 0.01614, 0.00862, 0, 2, 0, 0, 0},        // sin 2M'
    {0.01039, 0.01043, 0.00804, 0, 0, 0, 2, 0},        // sin 2F
    {0.00739, 0.00734, 0.00454, 1, 1, -1, 0, 0},       // E sin(M' - M)
    {-0.00514, -0.00514, -0.01183, 1, 1, 1, 0, 0},     // E sin(M' + M)
    {0.00208, 0.00209, 0.00204, 2, 0, 2, 0, 0},        // E^2 sin 2M
    {-0.00111, -0.00111, -0.0018, 0, 1, 0, -2, 0},     // sin(M' - 2F)
    {-0.00057, -0.00057, -0.0007, 0, 1, 0, 2, 0},      // sin(M' + 2F)
    {0.00056, 0.00056, 0.00027, 1, 2, 1, 0, 0},        // E sin(2M' + M)
    {-0.00042, -0.00042, -0.0004, 0, 3, 0, 0, 0},      // sin 3M'
    {0.00042, 0.00042, 0.00032, 1, 0, 1, 2, 0},        // E sin(M + 2F)
    {0.00038, 0.00038, 0.00032, 1, 0, 1, -2, 0},       // E sin(M - 2F)
    {-0.00024, -0.00024, -0.00034, 1, 2, -1, 0, 0},    // E sin(2M' - M)
    {-0.00017, -0.00017, -0.00017, 0, 0, 0, 0, 1},     // sin Omega
    {-0.00007, -0.00007, 0, 0, 1, 2, 0, 0},            // sin(M' + 2M)
    {0, 0, -0.00028, 2, 1, 2, 0, 0},                   // E^2 sin(M' + 2M)
    {0.00004, 0.00004, 0.00002, 0, 2, 0, -2, 0},       // sin(2M' - 2F)
    {0.00004, 0.00004, 0.00003, 0, 0, 3, 0, 0},        // sin 3M
    {0.00003, 0.00003, 0.00003, 0, 1, 1, -2, 0},       // sin(M' + M - 2F)
    {0.00003, 0.00003, 0.00004, 0, 2, 0, 2, 0},        // sin(2M' + 2F)
    {-0.00003, -0.00003, -0.00004, 0, 1, 1, 2, 0},     // sin(M' + M + 2F)
    {0.00003, 0.00003, 0.00002, 0, 1, -1, 2, 0},       // sin(M' - M + 2F)
    {-0.00002, -0.00002, -0.00005, 0, 1, -1, -2, 0},   // sin(M' - M - 2F)
    {-0.00002, -0.00002, -0.00002, 0, 3, 1, 0, 0},     // sin(3M' + M)
    {0.00002, 0.00002, 0, 0, 4, 0, 0, 0},              // sin 4M'
    {0, 0, 0.00004, 0, 1, -2, 0, 0},                   // sin(M' - 2M)
};

enum class TermSet { kNewMoon, kFullMoon, kQuarter };

double PeriodicTerms(const Arguments& a, TermSet set) {
    const double powersOfE[3] = {1.0, a.E, a.E * a.E};
    double sum = 0.0;
    for (const PeriodicTerm& t : kPeriodicTerms) {
        const double c = set == TermSet::kNewMoon ? t.newMoon : set == TermSet::kFullMoon ? t.fullMoon : t.quarter;
        if (c == 0) continue;
        const double argument = t.mp * a.Mp + t.m * a.M + t.f * a.F + t.omega * a.Omega;
        sum += c * powersOfE[t.powerOfE] * std::sin(argument);
    }
    return sum;
}

// Extra correction of the quarters, added for a first quarter and subtracted for a last one.
double QuarterW(const Arguments& a) {
    return 0.00306 - 0.00038 * a.E * std::cos(a.M) + 0.00026 * std::cos(a.Mp) -
           0.00002 * std::cos(a.Mp - a.M) + 0.00002 * std::cos(a.Mp + a.M) +
           0.00002 * std::cos(2 * a.F);
}

// The fourteen additional (planetary) corrections, Meeus table 49.a, in days.
double PlanetaryTerms(double k, double T) {
    struct Term {
        double a0, a1, coefficient;  // A = a0 + a1 k (degrees); term = coefficient sin A
    };
    static constexpr Term kTerms[13] = {
        {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
        {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.00011},
        {141.74, 53.303771, 0.000062}, {207.14, 2.453732, 0.00006},
        {154.84, 7.30686, 0.000056},  {34.52, 27.261239, 0.000047},
        {207.19, 0.121824, 0.000042}, {291.34, 1.844379, 0.00004},
        {161.72, 24.198154, 0.000037}, {239.56, 25.513099, 0.000035},
        {331.55, 3.592518, 0.000023},
    };
    // A1 alone has a T^2 term.
    double sum = 0.000325 * std::sin(ReducedRadians(299.77 + 0.107408 * k - 0.009173 * (T * T)));
    for (const Term& t : kTerms) sum += t.coefficient * std::sin(ReducedRadians(t.a0 + t.a1 * k));
    return sum;
}

}  // namespace

std::string_view PhaseName(int kind) {
    switch (kind) {
        case kNewMoon: return "New Moon";
        case kFirstQuarter: return "First Quarter";
        case kFullMoon: return "Full Moon";
        case kLastQuarter: return "Last Quarter";
        default: return {};
    }
}

double ReduceDegrees(double x) {
    // Whole turns are removed exactly: fmod is exact, and so is each step of the turn-by-turn
    // loop this replaces (all values are multiples of ulp(x) while |x| < 2^55), so both reach
    // the same remainder. Only the final "+ 360" of a negative remainder rounds, in both.
    if (x < 0) {
        const double r = std::fmod(x, 360.0);  // in (-360, 0]
        x = r < 0 ? r + 360.0 : 0.0;
    }
    if (x > 360.0) {
        const double r = std::fmod(x, 360.0);  // in [0, 360)
        x = r > 0 ? r : 360.0;
    }
    return x;
}

double LunationNumber(double jd) { return (jd - kNewMoonEpochJDE) * kPerSynodicMonth; }

double MeanPhaseJDE(double k) {
    const double T = k * kCenturiesPerLunation;
    const double T2 = T * T;
    return kNewMoonEpochJDE + kSynodicMonth * k + 0.00015437 * T2 - 0.00000015 * (T2 * T) +
           0.00000000073 * (T2 * T2);
}

double TruePhaseJDE(double k) {
    const double T = k * kCenturiesPerLunation;
    double jde = MeanPhaseJDE(k);
    const Arguments a = ArgumentsFor(k, T);

    double whole = 0.0;
    double f = std::modf(k, &whole);  // fraction with the sign of k
    if (f < 0) f += 1.0;

    if (std::abs(f) <= 0.01) {
        jde += PeriodicTerms(a, TermSet::kNewMoon);
    } else if (std::abs(f - 0.25) <= 0.01 || std::abs(f - 0.75) <= 0.01) {
        jde += PeriodicTerms(a, TermSet::kQuarter);
        const double W = QuarterW(a);
        jde += f == 0.25 ? W : -W;
    } else if (std::abs(f - 0.5) <= 0.01) {
        jde += PeriodicTerms(a, TermSet::kFullMoon);
    }
    return jde + PlanetaryTerms(k, T);
}

PrincipalPhase NextPrincipalPhase(double jd) {
    const double k = LunationNumber(jd);
    const double n = std::floor(k);
    const double f = k - n;

    PrincipalPhase p;
    double target = 0.0;
    if (f > 0.75) {
        p.kind = kNewMoon, target = 1.0;
    } else if (f > 0.5) {
        p.kind = kLastQuarter, target = 0.75;
    } else if (f > 0.25) {
        p.kind = kFullMoon, target = 0.5;
    } else if (f > 0) {
        p.kind = kFirstQuarter, target = 0.25;
    } else {
        p.kind = kNewMoon, target = 0.0;  // k itself is a whole lunation
    }
    p.k = n + target;
    p.jde = TruePhaseJDE(p.k);
    return p;
}

}  // namespace chronel
