#include "locations/core/utc_offset_text.h"

#include <cmath>
#include <cstdio>

namespace chronel {

std::string FormatUtcOffset(double hours) {
    // Offsets of clocks lie within a day; anything beyond is not an offset of a clock.
    const double clamped = std::isfinite(hours) ? std::fmax(-24.0, std::fmin(24.0, hours)) : 0.0;
    const long total = std::lround(clamped * 3600.0);
    const long magnitude = std::labs(total);
    const char sign = total < 0 ? '-' : '+';
    const long h = magnitude / 3600;
    const long m = magnitude / 60 % 60;
    const long s = magnitude % 60;
    char buffer[32];
    if (s != 0) {
        std::snprintf(buffer, sizeof buffer, "%c%02ld:%02ld:%02ld", sign, h, m, s);
    } else {
        std::snprintf(buffer, sizeof buffer, "%c%02ld:%02ld", sign, h, m);
    }
    return buffer;
}

}  // namespace chronel
