#pragma once
// Plain-text trace of one rise and set computation, for diagnosis (the program writes it to
// standard output only when asked to trace).

#include <iosfwd>

#include "astro/core/rise_set.h"

namespace chronel {

// Writes the header with the inputs, then per search (Moon, Sun, nautical twilight) the raw
// times in decimal hours (0 when not found) and either hhmm numbers (806 for 08:06) and
// "    ----" for a missing event, or, for a day with neither event, the Sun's "always above /
// below horizon" and the twilight's "always bright / dark" (the Moon writes nothing then).
// Each line ends with a newline and a flush; numbers use the stream's default format.
void WriteRiseSetTrace(std::ostream& out, int year, int month, int day, double longitude,
                       double latitude, double timeZone, const RiseSetResult& result);

}  // namespace chronel
