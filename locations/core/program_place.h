#pragma once
// The observer's place and the city table, program-wide: filled once at start-up, then changed
// only by the Locations window (a picked city or typed coordinates).

#include "locations/core/city_table.h"
#include "locations/core/observer_place.h"

namespace chronel {

extern CityTable g_cities;   // read-only after start-up
extern double g_latitude;    // decimal degrees, north positive
extern double g_longitude;   // decimal degrees, east positive
extern double g_timeZone;    // hours east of Greenwich
extern int g_defaultCity;    // row shown at start-up
extern int g_selectedCity;   // row that "Set as default Location" stores

void SetObserver(const ObserverPlace& place);
ObserverPlace Observer();

}  // namespace chronel
