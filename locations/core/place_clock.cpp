#include "locations/core/place_clock.h"

#include <utility>

#include "locations/core/time_zone_rules.h"

namespace chronel {

PlaceClock ResolvePlaceClock(const std::string& zoneId, double fixedHours) {
    PlaceClock clock;
    if (!zoneId.empty()) {
        if (auto rules = TimeZoneRules::Find(zoneId)) {
            clock.offsetAt = ClockOf(std::move(*rules));
            clock.zoneId = zoneId;
            return clock;
        }
        clock.zoneUnknown = true;
    }
    clock.offsetAt = FixedUtcOffset(fixedHours);
    return clock;
}

}  // namespace chronel
