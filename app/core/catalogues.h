#pragma once
// The read-only tables every day is computed from: the era and year-style catalogues, the
// regions of the transitions file, the city table and the city the program starts with. Loaded
// once by whoever shows days (a main window, the command line) and passed to the day engine;
// nothing changes them afterwards.

#include <iosfwd>
#include <vector>

#include "history/core/eras.h"
#include "history/core/transition.h"
#include "history/core/year_styles.h"
#include "locations/core/city_table.h"
#include "locations/core/default_city.h"

namespace chronel {

struct Catalogues {
    std::vector<CEra> eras;          // entry i has m_number i
    std::vector<CYearStyle> styles;  // entry i has m_number i
    std::vector<CRegion> regions;    // one per block of the transitions file
    CityTable cities;
    StartupLocation startup;  // the default city (DefaultLoc.txt, else the built-in one)
};

// Reads CitiesDMS.txt, DefaultLoc.txt and Transitions.txt of this process's data folder.
// A faulty transitions line is reported on errors; with trace set, every city line read is
// echoed to it.
Catalogues LoadCatalogues(std::ostream& errors, std::ostream* trace);

}  // namespace chronel
