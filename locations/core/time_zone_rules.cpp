#include "locations/core/time_zone_rules.h"

#include <date/tz.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <exception>
#include <utility>

#include "platform/core/safe_read.h"

namespace chronel {
namespace {

// Where Debian's date library (built with USE_OS_TZDB) reads the compiled zone files.
constexpr const char* kZoneFolder = "/usr/share/zoneinfo/";

// Compiled zone files hold a few KiB (the largest, about 4 KiB); the limit only guards.
constexpr std::size_t kMaxZoneFileBytes = 1 << 20;

constexpr double kUnixEpochJd = 2440587.5;  // 1970-01-01 00:00 UT
constexpr double kSecondsPerDay = 86400.0;

// Beyond the program's range of days (4801 BC to AD 1 000 000) on either side, and well
// inside the 64-bit seconds the library counts in.
constexpr double kEarliestSeconds = -2.0e12;
constexpr double kLatestSeconds = 4.0e13;

// The POSIX rule at the end of a TZif file of version 2 or later: the text between the last
// two line feeds. Empty for a file without one.
std::string ReadFooterRule(const std::string& zoneId) {
    const FileText file = ReadRegularFile(std::string(kZoneFolder) + zoneId, kMaxZoneFileBytes);
    if (file.state != FileText::State::Read || file.truncated) return {};
    const std::string& data = file.text;
    const bool version2 = data.size() >= 6 && data.compare(0, 4, "TZif") == 0 && data[4] >= '2';
    if (!version2 || data.back() != '\n') {
        return {};
    }
    const std::size_t open = data.rfind('\n', data.size() - 2);
    if (open == std::string::npos) return {};
    return data.substr(open + 1, data.size() - open - 2);
}

}  // namespace

TimeZoneRules::TimeZoneRules(const date::time_zone* zone, std::string zoneId,
                             std::string footerRule)
    : zone_(zone), zoneId_(std::move(zoneId)), footerRule_(std::move(footerRule)) {}

std::optional<TimeZoneRules> TimeZoneRules::Find(const std::string& zoneId) {
    try {
        const date::time_zone* zone = date::locate_zone(zoneId);
        return TimeZoneRules(zone, zoneId, ReadFooterRule(zoneId));
    } catch (const std::exception&) {  // unknown id, or no database to read
        return std::nullopt;
    }
}

OffsetSpan TimeZoneRules::LookUp(std::int64_t unixSeconds) const {
    const date::sys_seconds instant{std::chrono::seconds{unixSeconds}};
    const date::sys_info info = zone_->get_info(instant);
    OffsetSpan span{info.begin.time_since_epoch().count(), info.end.time_since_epoch().count(),
                    static_cast<int>(info.offset.count())};
    // The library keeps the last stored offset for ever; the file's rule knows better.
    const bool last = info.end >= date::sys_days{date::year::max() / 1 / 1};
    if (last && !footerRule_.empty()) {
        if (const auto rule = PosixRuleSpanAt(footerRule_, unixSeconds)) {
            span = *rule;
            span.begin = std::max(span.begin, info.begin.time_since_epoch().count());
        }
    }
    return span;
}

int TimeZoneRules::OffsetSecondsAt(std::int64_t unixSeconds) const {
    if (!lastSpan_ || unixSeconds < lastSpan_->begin || unixSeconds >= lastSpan_->end) {
        lastSpan_ = LookUp(unixSeconds);
    }
    return lastSpan_->offsetSeconds;
}

double TimeZoneRules::OffsetHoursAt(double jdUt) const {
    double seconds = std::floor((jdUt - kUnixEpochJd) * kSecondsPerDay);
    if (!(seconds >= kEarliestSeconds)) seconds = kEarliestSeconds;  // NaN too
    if (seconds > kLatestSeconds) seconds = kLatestSeconds;
    return OffsetSecondsAt(static_cast<std::int64_t>(seconds)) / 3600.0;
}

UtcOffsetAt ClockOf(TimeZoneRules rules) {
    return [rules = std::move(rules)](double jdUt) { return rules.OffsetHoursAt(jdUt); };
}

}  // namespace chronel
