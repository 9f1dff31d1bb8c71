#include "history/core/transition.h"

#include "calendar/day_numbers.h"

namespace chronel {

double TransitionDayNumber(const CTransition& t) { return JulianToJD(t.m_day, t.m_month, t.m_year); }

bool SameReckoning(const CTransition& a, const CTransition& b) {
    return a.m_calendar == b.m_calendar && a.m_era == b.m_era && a.m_style == b.m_style;
}

}  // namespace chronel
