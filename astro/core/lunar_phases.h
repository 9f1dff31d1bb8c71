#pragma once
// Instants of the Moon's principal phases (new moon, first quarter, full moon, last quarter).
//
// Method and constants: J. Meeus, Astronomical Algorithms (2nd ed., 1998), ch. 49 "Phases of the
// Moon": a mean phase from the lunation number k, periodic terms chosen by the kind of phase,
// and fourteen planetary terms. The results are Julian Ephemeris Days; this program uses them
// as Julian Days without any correction between dynamical and universal time.

#include <string_view>

namespace chronel {

// Kinds of principal phase, in lunation order.
enum PhaseKind : int { kNewMoon = 0, kFirstQuarter = 1, kFullMoon = 2, kLastQuarter = 3 };

// "New Moon", "First Quarter", "Full Moon" or "Last Quarter" for kind 0..3; empty otherwise.
std::string_view PhaseName(int kind);

// x (degrees) brought into [0, 360] by whole turns: a negative x is raised until it is no
// longer negative, a value above 360 lowered until it is at most 360, so 360 stays 360 and
// 720 becomes 360. Bit-identical to adding or subtracting 360 one turn at a time, but in
// constant time. x must be finite (infinity has no reduction; NaN stays NaN).
double ReduceDegrees(double x);

// Lunation number (mean lunations since the new moon of 6 January 2000) of a Julian Day:
// k = (jd - 2451550.09766) / 29.530588861, written as a product.
double LunationNumber(double jd);

// JDE of the mean phase of lunation number k (whole k: new moon; + 0.25 first quarter;
// + 0.5 full moon; + 0.75 last quarter).
double MeanPhaseJDE(double k);

// JDE of the true phase of k; the kind of phase is taken from the fraction of k. A fraction
// more than 0.01 from every phase gets no periodic terms (mean phase plus planetary terms).
double TruePhaseJDE(double k);

struct PrincipalPhase {
    int kind = kNewMoon;  // PhaseKind
    double k = 0.0;       // lunation number of that phase (whole + 0, 0.25, 0.5 or 0.75)
    double jde = 0.0;     // TruePhaseJDE(k)
};

// The next principal phase after jd, chosen from the mean lunation number alone: the phase
// whose mean k is the first quarter-step above LunationNumber(jd) (or k itself when that is a
// whole number). Near a phase the true instant may lie up to about half a day from the mean
// one, so the phase returned can already be past at jd.
PrincipalPhase NextPrincipalPhase(double jd);

}  // namespace chronel
