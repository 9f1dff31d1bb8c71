#pragma once
// Which clock a place's times are shown in: its zone's rules, or a fixed offset.

#include <string>

#include "locations/core/utc_offset.h"

namespace chronel {

struct PlaceClock {
    UtcOffsetAt offsetAt;
    std::string zoneId;        // the zone whose rules offsetAt follows; empty for a fixed offset
    bool zoneUnknown = false;  // an id was given but the database does not know it (the
                               // caller reports it, naming the place and the id)
};

// The clock of zone zoneId; for an empty id, or one the database does not know, the fixed
// offset fixedHours (hours east of Greenwich). An empty id never touches the database; any
// other reads it (the first time in a program, about 3 ms), so a program showing standard
// time passes no id. offsetAt is always set.
PlaceClock ResolvePlaceClock(const std::string& zoneId, double fixedHours);

}  // namespace chronel
