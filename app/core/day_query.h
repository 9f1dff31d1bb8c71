#pragma once
// What the day engine is asked: one day, one observer, two regions, and options.

#include <string>

#include "locations/core/observer_place.h"

namespace chronel {

// The observer: a place and the name the window shows for it.
struct DayPlace {
    ObserverPlace position;  // degrees north and east, hours east of Greenwich
    std::string name;        // the picked city's name; empty for typed coordinates
    friend bool operator==(const DayPlace&, const DayPlace&) = default;
};

// The regions the two "Local Historical Dates" rows start with.
inline constexpr const char* kDefaultRegionA = "Russia";
inline constexpr const char* kDefaultRegionB = "Diocese of Augsburg";

// Choices that change how a day is computed or shown. Each new choice defaults to the
// program's long-standing behaviour.
struct DayOptions {
    friend bool operator==(const DayOptions&, const DayOptions&) = default;
};

struct DayQuery {
    double jd = 2451544.5;  // Julian Day, fraction kept as typed; brought into the supported range
    DayPlace place;
    std::string regionA = kDefaultRegionA;  // names as the region lists show them
    std::string regionB = kDefaultRegionB;
    DayOptions options;
};

}  // namespace chronel
