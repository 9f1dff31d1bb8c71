#pragma once
// The clock of an IANA time zone ("Europe/London"): the offset from Universal Time in force at
// any instant, by the system's time-zone database (Debian tzdata in /usr/share/zoneinfo, read
// with the date library). That covers the zone's whole history: local mean time before the
// zone adopted standard time, changes of standard offset, daylight saving; after the last
// transition stored in the zone's file, the rule the file ends with (where the library cannot
// read that rule, as America/Nuuk's with its negative hours, the last stored offset stays).

#include <cstdint>
#include <optional>
#include <string>

#include "locations/core/posix_tz_rule.h"
#include "locations/core/utc_offset.h"

namespace date {
class time_zone;
}

namespace chronel {

class TimeZoneRules {
public:
    // The rules of the zone with this id; empty when the database does not know the id or
    // cannot be read. The first call in a program reads the database's list of zones (about
    // 3 ms); each further zone costs a look-up and the reading of its file. Never throws.
    static std::optional<TimeZoneRules> Find(const std::string& zoneId);

    const std::string& ZoneId() const { return zoneId_; }

    // Seconds east of Greenwich in force at unixSeconds (seconds after 1970-01-01 00:00 UT).
    // The span of the last answer is kept, so look-ups within one day cost a comparison.
    int OffsetSecondsAt(std::int64_t unixSeconds) const;

    // Hours east of Greenwich in force at the instant jdUt (a Julian Day in Universal Time).
    double OffsetHoursAt(double jdUt) const;

private:
    TimeZoneRules(const date::time_zone* zone, std::string zoneId, std::string footerRule);
    OffsetSpan LookUp(std::int64_t unixSeconds) const;

    const date::time_zone* zone_;  // owned by the date library's database, lives for ever
    std::string zoneId_;
    std::string footerRule_;  // the POSIX rule after the file's last transition; may be empty
    mutable std::optional<OffsetSpan> lastSpan_;  // a cache: one object, one thread
};

// The zone's clock as the shared offset function; the function keeps its own copy of the
// rules, with its own cache.
UtcOffsetAt ClockOf(TimeZoneRules rules);

}  // namespace chronel
