#include "astro/core/rise_set_trace.h"

#include <ostream>

#include "astro/core/rise_set_math.h"

namespace chronel {
namespace {

void TraceSearch(std::ostream& out, const RiseSetSearch& s, const char* alwaysAbove,
                 const char* alwaysBelow) {
    out << "   " << "utrise: " << s.rise.value_or(0.0) << std::endl;
    out << "   " << "utset:" << s.set.value_or(0.0) << std::endl;
    if (!s.rise && !s.set) {
        if (alwaysAbove != nullptr) out << (s.above ? alwaysAbove : alwaysBelow) << std::endl;
        return;
    }
    if (s.rise) {
        out << HoursToHM(*s.rise).Packed() << std::endl;
    } else {
        out << "    ----" << std::endl;
    }
    if (s.set) {
        out << HoursToHM(*s.set).Packed() << std::endl;
    } else {
        out << "    ----" << std::endl;
    }
}

}  // namespace

void WriteRiseSetTrace(std::ostream& out, int year, int month, int day, double longitude,
                       double latitude, double timeZone, const RiseSetResult& result) {
    out << "   Rise and set for Sun and Moon" << std::endl;
    out << "   =============================" << std::endl;
    out << "   Year (yyyy) - - - - - - - - :" << year << std::endl;
    out << "   Month  (mm) - - - - - - - - :" << month << std::endl;
    out << "   Day    (dd) - - - - - - - - :" << day << std::endl;
    out << "   Time zone (East +) - - - -  :" << timeZone << std::endl;
    out << "   Longitude (w neg, decimals) :" << longitude << std::endl;
    out << "   Latitude  (n pos, decimals) :" << latitude << std::endl;
    TraceSearch(out, result.moon, nullptr, nullptr);
    TraceSearch(out, result.sun, "    always above horizon", "    always below horizon");
    TraceSearch(out, result.twilight, "    always bright", "    always dark");
}

}  // namespace chronel
