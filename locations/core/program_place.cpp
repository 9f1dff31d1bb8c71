#include "locations/core/program_place.h"

#include "locations/core/default_city.h"

namespace chronel {

CityTable g_cities;
double g_latitude = 0.0;
double g_longitude = 0.0;
double g_timeZone = 0.0;
int g_defaultCity = kBuiltInDefaultCity;
int g_selectedCity = kBuiltInDefaultCity;

void SetObserver(const ObserverPlace& place) {
    g_latitude = place.latitude;
    g_longitude = place.longitude;
    g_timeZone = place.timeZone;
}

ObserverPlace Observer() { return {g_latitude, g_longitude, g_timeZone}; }

}  // namespace chronel
