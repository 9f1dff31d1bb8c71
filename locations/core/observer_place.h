#pragma once
// The observer's place, from a row of the city table.

#include <optional>

#include "locations/core/city_table.h"

namespace chronel {

struct ObserverPlace {
    double latitude = 0.0;   // decimal degrees, north positive, -90..90 for sound input
    double longitude = 0.0;  // decimal degrees, east positive, -180..180 for sound input
    double timeZone = 0.0;   // hours east of Greenwich (west negative), as stored, no limit
    friend bool operator==(const ObserverPlace&, const ObserverPlace&) = default;
};

// degrees + s * minutes * (1/60) + s * seconds * (1/3600), s = -1 when degrees < 0, else 1:
// minutes and seconds follow the sign of negative degrees and add to zero or positive ones
// (0 degrees 30 minutes is 0.5). The two factors are the double values of 1/60 and 1/3600 and
// are multiplied, not divided, so the results match the stored tables bit for bit. A
// hemisphere letter is applied afterwards by the caller, by negating the whole result.
double DmsToDegrees(int degrees, int minutes, int seconds);

// The place of row index: latitude from its degrees and minutes, negated when its letter is
// exactly 'S'; longitude likewise with 'W'; the time zone as stored. Empty when index is not a
// row of the table.
std::optional<ObserverPlace> SetObserverFromCity(const CityTable& table, int index);

}  // namespace chronel
