#pragma once
// A region's calendar history: dated changes of calendar, era and year style.

#include <string>
#include <vector>

namespace chronel {

// Calendar code of the switch to the Gregorian calendar. Every other code means the Julian
// calendar; distinct non-switch codes only matter when a child region's lines are merged
// into an inherited list (see MergeOwnLines).
inline constexpr int kGregorianSwitchCode = 4;

// One dated change of reckoning. The six numbers stand in this order on a line of the
// transitions file.
struct CTransition {
    int m_calendar = 0;  // kGregorianSwitchCode, or any other value for the Julian calendar
    int m_era = 0;       // index into the era catalogue (0..6)
    int m_style = 0;     // index into the year-style catalogue (0..3)
    int m_day = 1;       // date of the change, a Julian calendar date:
    int m_month = 1;     //   month 1..12,
    int m_year = 1;      //   historical year (-1 = 1 BC, no year 0)
    friend bool operator==(const CTransition&, const CTransition&) = default;
};

struct CRegion {
    int m_number = 0;  // number on the block's header line; only compared with the parent number
    std::string m_name;
    std::vector<CTransition> m_transitions;  // in ascending date order for a well-formed file
};

// JD of the midnight that begins the transition's date (JulianToJD of its date).
double TransitionDayNumber(const CTransition& t);

// True when both transitions have the same calendar code, era and style (dates aside).
bool SameReckoning(const CTransition& a, const CTransition& b);

}  // namespace chronel
