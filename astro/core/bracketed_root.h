#pragma once
// The zero of a continuous function inside a bracket where it changes sign, found by the
// Illinois variant of the false-position method (M. Dowell and P. Jarratt, BIT 11, 1971):
// every step keeps the sign change, and halving the weight of an end kept twice in a row
// gives superlinear convergence.

#include <cmath>
#include <optional>

namespace chronel {

// A zero of f within [lo, hi] to within tolerance, or nullopt when f(lo) and f(hi) have the
// same sign (no bracket). guess, when inside the bracket, is tried first and narrows it.
template <class F>
std::optional<double> RootInBracket(F f, double lo, double hi, double guess, double tolerance) {
    double flo = f(lo);
    double fhi = f(hi);
    if (flo == 0) return lo;
    if (fhi == 0) return hi;
    if ((flo < 0) == (fhi < 0)) return std::nullopt;
    enum { kNone, kLo, kHi } replaced = kNone;  // the end that the last step moved
    auto step = [&](double x, double fx) {
        if ((fx < 0) == (flo < 0)) {
            lo = x, flo = fx;
            if (replaced == kLo) fhi *= 0.5;  // hi kept twice: weigh it less
            replaced = kLo;
        } else {
            hi = x, fhi = fx;
            if (replaced == kHi) flo *= 0.5;
            replaced = kHi;
        }
    };
    if (guess > lo && guess < hi) {
        const double fx = f(guess);
        if (fx == 0) return guess;
        step(guess, fx);
        replaced = kNone;
    }
    for (int i = 0; i < 60 && hi - lo > tolerance; ++i) {
        const double x = (lo * fhi - hi * flo) / (fhi - flo);
        const double fx = f(x);
        if (fx == 0) return x;
        step(x, fx);
    }
    return (lo * fhi - hi * flo) / (fhi - flo);
}

}  // namespace chronel
