#pragma once
// The Moon strip of the main window, toolkit-free part: which of the eight Moon pictures a day
// shows, and the three texts naming the next principal phase.

#include <string>

#include "astro/core/lunar_phases.h"

namespace chronel {

inline constexpr int kMoonPictureCount = 8;

// Picture index 0..7 of a Julian Day: the Moon's mean age (days since the new moon of
// JD 2451550.1, modulo the mean synodic month of 29.530588853 days) in eighths of a month,
// each eighth centred on its nominal age (0 new, 2 first quarter, 4 full, 6 last quarter).
// Always in 0..7 (0 for a non-finite jd).
int MoonPictureIndex(double jd);

// Resource number of the picture of index 0..7: 133, 138, 140, 141, 136, 142, 143, 144
// (new, waxing crescent, first quarter, waxing gibbous, full, waning gibbous, last quarter,
// waning crescent). 0 for an index outside 0..7.
int MoonPictureResource(int index);

struct MoonPhaseTexts {
    std::string name;  // "New Moon", "First Quarter", "Full Moon" or "Last Quarter"
    std::string date;  // "month/day/year", or "month/day/year BC" before year 1
    std::string time;  // "hh:mm", minutes truncated, no time zone
};

// Texts of the next principal phase after jd (NextPrincipalPhase). The phase's date is
// Julian up to JD 2299160.5 (the start of 15 October 1582) and Gregorian after it.
MoonPhaseTexts ComputeMoonPhaseTexts(double jd);

// The same texts for a phase already found.
MoonPhaseTexts FormatMoonPhaseTexts(const PrincipalPhase& phase);

}  // namespace chronel
