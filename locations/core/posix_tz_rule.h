#pragma once
// The rule of a POSIX TZ string such as "GMT0BST,M3.5.0/1,M10.5.0". A compiled zone file of the
// time-zone database (TZif, version 2 or later) ends with such a string: it gives the clock
// for every instant after the last transition the file stores (2037 in Debian's files).

#include <cstdint>
#include <optional>
#include <string>

namespace chronel {

// An interval of Unix seconds [begin, end) in which one offset is in force.
struct OffsetSpan {
    std::int64_t begin = 0;
    std::int64_t end = 0;
    int offsetSeconds = 0;  // east of Greenwich
};

// The span of the rule's offsets that holds unixSeconds. Empty when the library cannot read
// the rule (Debian's date library refuses transition times outside 0..24 hours, as in
// "<-02>2<-01>,M3.5.0/-1,M10.5.0/0").
std::optional<OffsetSpan> PosixRuleSpanAt(const std::string& rule, std::int64_t unixSeconds);

}  // namespace chronel
