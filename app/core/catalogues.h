#pragma once
// The read-only tables every day is computed from: the era and year-style catalogues, the
// regions of the transitions file, the city table and the city the program starts with. Loaded
// once by whoever shows days (a main window, the command line) and passed to the day engine;
// nothing changes them afterwards.

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <vector>

#include "app/core/day_query.h"
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
    bool allCities = true;    // false: the table holds only the default city's values
};

// How much of the city table a program needs: every city (a window, a lookup by name), or
// only the default city (a command that shows days at the default place).
enum class CityNeed { AllCities, DefaultCityOnly };

// Reads CitiesDMS.txt, DefaultLoc.txt and Transitions.txt of this process's data folder.
// A faulty transitions line is reported on errors; with trace set, every city line read is
// echoed to it. With DefaultCityOnly the table keeps every row but holds only the default
// city's values (when that row is no city, the whole table is read after all, so the start-up
// city is the one a window would choose).
Catalogues LoadCatalogues(std::ostream& errors, std::ostream* trace, CityNeed need = CityNeed::AllCities);

// The same tables with the whole city table (for a window that lists the cities).
Catalogues WithAllCities(const Catalogues& catalogues, std::ostream& errors, std::ostream* trace);

// The observer at a row of the city table (its place, name and zone id); empty for a row that
// is not a usable city.
std::optional<DayPlace> CityPlace(const Catalogues& catalogues, std::size_t row);

// The observer the program starts with: the default city, or latitude, longitude and zone 0
// without a city.
DayPlace StartupPlace(const Catalogues& catalogues);

}  // namespace chronel
