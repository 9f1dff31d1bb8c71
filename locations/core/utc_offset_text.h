#pragma once
// An offset from Universal Time as text.

#include <string>

namespace chronel {

// "+01:00", "-05:00", "+05:45", "+00:00" (also for -0): the sign, then hours and minutes of
// the offset rounded to the nearest second. Only an offset with seconds, as local mean time
// has (London's was -0:01:15), gets them as a third field: "-00:01:15" (ISO 8601's extended
// form). A non-finite offset reads "+00:00".
std::string FormatUtcOffset(double hours);

}  // namespace chronel
