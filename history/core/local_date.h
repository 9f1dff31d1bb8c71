#pragma once
// The current day as it was written in a region: which calendar, which era, which year.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calendar/day_numbers.h"
#include "history/core/eras.h"
#include "history/core/transition.h"
#include "history/core/year_styles.h"

namespace chronel {

// The day the main window shows, in the three forms the computation reads. The caller keeps
// them consistent (both dates are the dates of jd).
struct CurrentDay {
    double jd = 0.0;          // Julian Day; may carry a fraction of the day
    CalendarDate julian;      // Julian calendar date, historical year (-1 = 1 BC)
    CalendarDate gregorian;   // Gregorian calendar date, astronomical year
};

// Both dates derived from jd (JDToJulian, JDToGregorian).
CurrentDay CurrentDayAt(double jd);

enum class LocalReckoning {
    BeforeFirstTransition,  // the region had no reckoning of its own yet
    Unavailable,            // no list to compute from (empty list, index outside a catalogue)
    Julian,                 // Julian date, local era and year style
    Gregorian,              // Gregorian date, Anno Domini, New Style
};

struct LocalDate {
    LocalReckoning reckoning = LocalReckoning::Unavailable;
    int day = 0;    // 1..31; set only for Julian and Gregorian reckoning
    int month = 0;  // 1..12
    int year = 0;   // local year number; 0 or negative for early BC days under some eras
    std::string eraName;
    std::string styleName;

    bool HasDate() const {
        return reckoning == LocalReckoning::Julian || reckoning == LocalReckoning::Gregorian;
    }
};

// The local date of `day` in `region`.
//
// Let JD be day.jd and d(t) the day number (JulianToJD) of transition t's date; all
// comparisons are between these doubles.
//  1. If d(first transition) > JD: BeforeFirstTransition.
//  2. t = the last transition of the list with d(t) <= JD (scanning from the end, so among
//     equal dates the one standing last wins). A list of one entry always uses that entry.
//  3. If the list has two or more entries, t has the Gregorian code and d(t) < JD: the
//     Gregorian date as given, "Anno Domini", "New Style". So a switch shows the Julian date on
//     its own date (for a midnight JD) and the Gregorian date from the next day on; a JD later
//     than midnight on the switch date already counts as after it.
//  4. Otherwise the Julian date with t's era and style. With A the astronomical Julian year
//     (1 BC = 0) and S the day number of the style's first day of the year in that Julian year,
//     year = A - era offset, one less when S > JD.
// An empty list or an era or style index outside the given catalogues gives Unavailable.
LocalDate ComputeLocalDate(const CRegion& region, const CurrentDay& day, std::span<const CEra> eras,
                           std::span<const CYearStyle> styles);

// Position of the first region whose name equals text exactly (byte by byte, case-sensitive).
std::optional<std::size_t> FindRegionByName(std::span<const CRegion> regions, std::string_view text);

}  // namespace chronel
