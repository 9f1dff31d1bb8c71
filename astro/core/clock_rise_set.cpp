#include "astro/core/clock_rise_set.h"

#include <algorithm>
#include <optional>

#include "calendar/day_numbers.h"
#include "locations/core/utc_offset_text.h"

namespace chronel {
namespace {

constexpr double kPerHourDays = 0.041666666666666664;  // 1 / 24, as the search takes it

// The offset in force at local noon of the civil day whose midnight is mjdDay (MJD, at the
// place's clock): noon at the clock is noon UT less the offset, which itself depends on the
// instant, so the offset is looked up again until it holds. A noon that the clocks skip (a
// jump forward across it) has no such offset; it takes the one after the jump, the larger.
double NoonOffset(double mjdDay, const UtcOffsetAt& offsetAt) {
    const double noonJd = mjdDay + 0.5 + kMjdOffset;
    const double first = offsetAt(noonJd);
    const double second = offsetAt(noonJd - first * kPerHourDays);
    if (second == first) return first;
    const double third = offsetAt(noonJd - second * kPerHourDays);
    if (third == second) return second;
    return std::max(second, third);
}

// An event found hours after the searched midnight, moved to the clock of its instant.
std::optional<double> AtClock(const std::optional<double>& hours, double midnightJd,
                              double searchOffset, const UtcOffsetAt& offsetAt) {
    if (!hours) return hours;
    const double offset = offsetAt(midnightJd + *hours * kPerHourDays);
    if (offset == searchOffset) return hours;  // the common case, unchanged to the last bit
    double clock = *hours + (offset - searchOffset);
    while (clock < 0.0) clock += 24.0;
    while (clock > 24.0) clock -= 24.0;
    return clock;
}

RiseSetSearch AtClock(const RiseSetSearch& s, double midnightJd, double searchOffset,
                      const UtcOffsetAt& offsetAt) {
    RiseSetSearch c = s;
    c.rise = AtClock(s.rise, midnightJd, searchOffset, offsetAt);
    c.set = AtClock(s.set, midnightJd, searchOffset, offsetAt);
    return c;
}

}  // namespace

ClockRiseSet ComputeClockRiseSet(int year, int month, int day, double longitude,
                                 double latitude, const UtcOffsetAt& offsetAt,
                                 const std::string& zoneName) {
    ClockRiseSet r;
    const double mjdDay = GregorianToMJD(day, month, year);
    r.searchOffsetHours = NoonOffset(mjdDay, offsetAt);
    r.instants = ComputeRiseSet(year, month, day, longitude, latitude, r.searchOffsetHours);

    // The searched midnight as the search takes it (rise_set.cpp), as a Julian Day in UT.
    const double midnightJd = mjdDay - r.searchOffsetHours * kPerHourDays + kMjdOffset;
    r.startOffsetHours = offsetAt(midnightJd);
    r.endOffsetHours = offsetAt(midnightJd + 1.0);

    r.clock.moon = AtClock(r.instants.moon, midnightJd, r.searchOffsetHours, offsetAt);
    r.clock.sun = AtClock(r.instants.sun, midnightJd, r.searchOffsetHours, offsetAt);
    r.clock.twilight = AtClock(r.instants.twilight, midnightJd, r.searchOffsetHours, offsetAt);

    r.texts = FormatRiseSetTexts(r.clock);
    // The day length runs between the instants, whatever the clocks did in between.
    if (r.clock.sun.rise != r.instants.sun.rise || r.clock.sun.set != r.instants.sun.set) {
        r.texts.dayLength = FormatRiseSetTexts(r.instants).dayLength;
    }

    std::string offsets = r.startOffsetHours == r.endOffsetHours
                              ? FormatUtcOffset(r.searchOffsetHours)
                              : FormatUtcOffset(r.startOffsetHours) + " / " +
                                    FormatUtcOffset(r.endOffsetHours);
    r.offsetText = zoneName.empty() ? offsets : zoneName + ", " + offsets;
    return r;
}

}  // namespace chronel
