#pragma once
// What the day engine is asked: one day, one observer, two regions, and options.

#include <memory>
#include <string>

#include "locations/core/observer_place.h"
#include "locations/core/place_clock.h"

namespace chronel {

// The observer: a place and the name the window shows for it.
struct DayPlace {
    ObserverPlace position;  // degrees north and east, hours east of Greenwich
    std::string name;        // the picked city's name; empty for typed coordinates
    std::string zoneId;      // the city's time-zone id ("Europe/London"); empty when it has none
    friend bool operator==(const DayPlace&, const DayPlace&) = default;
};

// The regions the two "Local Historical Dates" rows start with.
inline constexpr const char* kDefaultRegionA = "Russia";
inline constexpr const char* kDefaultRegionB = "Diocese of Augsburg";

// Choices that change how a day is computed or shown. Each new choice defaults to the
// program's long-standing behaviour.
struct DayOptions {
    // Rise and set at the time the place's clocks showed (its zone's rules: daylight saving,
    // historical offsets), instead of the fixed standard offset.
    bool clockTime = false;
    // The next phase's date and time in Universal Time (the dynamical instant less ΔT) instead
    // of the dynamical instant itself.
    bool phaseInUniversalTime = false;
    // Also compute the almanac of the day (twilights, noon, the Moon's light, phases, seasons).
    bool almanac = false;
    friend bool operator==(const DayOptions&, const DayOptions&) = default;
};

struct DayQuery {
    double jd = 2451544.5;  // Julian Day, fraction kept as typed; brought into the supported range
    DayPlace place;
    std::string regionA = kDefaultRegionA;  // names as the region lists show them
    std::string regionB = kDefaultRegionB;
    DayOptions options;
    // The clock of place.zoneId, resolved once per place by ResolveDayClock (the time-zone
    // database is read then, and its look-ups are cached in the clock). Used with clockTime.
    std::shared_ptr<const PlaceClock> clock;
};

// The clock of the place's zone; with an empty id, the fixed offset (the database untouched).
std::shared_ptr<const PlaceClock> ResolveDayClock(const DayPlace& place);

// The line for standard error when the place's zone id is not in the time-zone database.
std::string UnknownZoneMessage(const DayPlace& place);

}  // namespace chronel
