// Built as C++17: the date library's POSIX rule header (Debian's 3.0.1) names hh_mm_ss
// unqualified, which C++20's <chrono> makes ambiguous.
#include "locations/core/posix_tz_rule.h"

#include <date/ptz.h>

#include <exception>

namespace chronel {
namespace {

using std::chrono::seconds;

// 400 Gregorian years hold 146097 days, a whole number of weeks: the calendar, and so every
// rule date ("last Sunday of March"), repeats after them.
constexpr std::int64_t kCycleSeconds = 146097LL * 86400;

// The library keeps years in 16 bits. Instants after 2800 are moved by whole cycles into
// 2400..2800 (after the last stored transition of every zone file) and moved back after.
std::int64_t CycleStart() {
    return date::sys_seconds{date::sys_days{date::year{2400} / 1 / 1}}.time_since_epoch().count();
}

}  // namespace

std::optional<OffsetSpan> PosixRuleSpanAt(const std::string& rule, std::int64_t unixSeconds) {
    const std::int64_t start = CycleStart();
    std::int64_t shift = 0;
    if (unixSeconds >= start + kCycleSeconds) {
        shift = (unixSeconds - start) / kCycleSeconds * kCycleSeconds;
    }
    try {
        const Posix::time_zone zone(rule);
        const date::sys_info info = zone.get_info(date::sys_seconds{seconds{unixSeconds - shift}});
        OffsetSpan span;
        span.offsetSeconds = static_cast<int>(info.offset.count());
        // A rule without daylight saving holds for ever; the library says so with its extreme
        // years, which the shift must not carry past the range of the type.
        const bool unbounded = info.end >= date::sys_days{date::year::max() / 1 / 1};
        span.begin = shift == 0 || unbounded ? info.begin.time_since_epoch().count()
                                             : info.begin.time_since_epoch().count() + shift;
        span.end = unbounded ? info.end.time_since_epoch().count()
                             : info.end.time_since_epoch().count() + shift;
        return span;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace chronel
