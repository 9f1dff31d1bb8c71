#pragma once
// Everything the main window and the Computus window show for one day, values and texts.

#include <array>
#include <optional>
#include <string>

#include "app/core/date_state.h"
#include "app/core/day_query.h"
#include "astro/core/almanac.h"
#include "astro/core/almanac_texts.h"
#include "astro/core/lunar_phases.h"
#include "astro/core/moon_panel.h"
#include "astro/core/rise_set.h"
#include "astro/core/rise_set_texts.h"
#include "easter/core/computus_texts.h"
#include "history/core/local_date_row.h"

namespace chronel {

struct MoonReport {
    int pictureIndex = 0;     // 0..7, MoonPictureIndex of the day
    int pictureResource = 0;  // resource number of that picture (133 ... 144)
    PrincipalPhase nextPhase;  // the phase the texts name (instant as a Julian Ephemeris Day)
    MoonPhaseTexts texts;      // name, date, time (fields 1038, 1064, 1065); the instant less
                               // ΔT when the phase is asked for in Universal Time
};

struct LocalDateRowReport {
    std::string region;      // as asked
    LocalDateRowTexts texts;  // day, month, year, era, style; "-----" for no local date
};

// Which offset the rise and set times were computed with.
struct ClockReport {
    bool zoneApplied = false;     // the zone's rules (clock time); otherwise the fixed offset
    bool zoneUnknown = false;     // the place has a zone id the database does not know
    double searchOffsetHours = 0.0;  // the offset of the day's search (hours east of Greenwich)
    std::string utcOffset;        // that offset as "+01:00"
    std::string tooltip;          // "Europe/London, +01:00"; both offsets on a change day;
                                  // empty with the fixed offset
};

struct DayReport {
    DateState dates;         // both calendar dates of the day, m_jd in the supported range
    DatePanelTexts panels;   // the texts of both date panels and the day numbers
    DayPlace place;          // the observer the rise and set times are for
    RiseSetResult riseSet;   // local clock hours of the day (fixed offset, or the clock's)
    RiseSetTexts riseSetTexts;
    ClockReport clock;
    MoonReport moon;
    ComputusTexts easter;    // the Computus window's texts for the years shown
    std::array<LocalDateRowReport, 2> localDates;  // rows A and B
    std::optional<Almanac> almanac;       // when asked for
    std::optional<AlmanacTexts> almanacTexts;
};

}  // namespace chronel
