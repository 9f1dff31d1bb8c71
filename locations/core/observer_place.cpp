#include "locations/core/observer_place.h"

#include <cstddef>

namespace chronel {

double DmsToDegrees(int degrees, int minutes, int seconds) {
    // The sign as a double keeps -1 * INT_MIN out of int arithmetic; the products are the same
    // as the int products wherever those are defined.
    const double s = degrees < 0 ? -1.0 : 1.0;
    return degrees + s * minutes * 0.016666666666666666 + s * seconds * 0.0002777777777777778;
}

std::optional<ObserverPlace> SetObserverFromCity(const CityTable& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return std::nullopt;
    const auto i = static_cast<std::size_t>(index);
    ObserverPlace place;
    place.timeZone = table.cityTimeZone[i];
    place.latitude = DmsToDegrees(table.cityLatDeg[i], table.cityLatMin[i], 0);
    if (table.cityLatLetter[i] == 'S') place.latitude = -place.latitude;
    place.longitude = DmsToDegrees(table.cityLonDeg[i], table.cityLonMin[i], 0);
    if (table.cityLonLetter[i] == 'W') place.longitude = -place.longitude;
    return place;
}

}  // namespace chronel
