#pragma once
// The historical-calendar tables, program-wide: built once at start-up by the main window and
// read-only afterwards.

#include <vector>

#include "history/core/eras.h"
#include "history/core/transition.h"
#include "history/core/year_styles.h"

namespace chronel {

extern std::vector<CEra> g_eras;          // era catalogue, entry i has m_number i
extern std::vector<CYearStyle> g_styles;  // year-style catalogue
extern std::vector<CRegion> g_regions;    // one per block of the transitions file

}  // namespace chronel
