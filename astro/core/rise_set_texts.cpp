#include "astro/core/rise_set_texts.h"

#include <cstdio>

#include "astro/core/rise_set_math.h"

namespace chronel {
namespace {

const char kNoEvent[] = " ----- ";

std::string ClockText(double hours) {
    const HoursMinutes hm = HoursToHM(hours);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", hm.hours, hm.minutes);
    return buffer;
}

// Texts of the rise and set fields of one search.
void RiseAndSetTexts(const RiseSetSearch& s, std::string& rise, std::string& set) {
    if (!s.rise && !s.set) {
        rise = s.above ? " above" : " below";
        set = " horizon";
        return;
    }
    rise = s.rise ? ClockText(*s.rise) : kNoEvent;
    set = s.set ? ClockText(*s.set) : kNoEvent;
}

}  // namespace

RiseSetTexts FormatRiseSetTexts(const RiseSetResult& result) {
    RiseSetTexts t;
    RiseAndSetTexts(result.moon, t.moonrise, t.moonset);
    RiseAndSetTexts(result.sun, t.sunrise, t.sunset);
    if (result.sun.rise && result.sun.set) {
        double length = *result.sun.set - *result.sun.rise;
        if (length < 0) length += 24;
        t.dayLength = ClockText(length);
    } else {
        t.dayLength = kNoEvent;
    }
    return t;
}

}  // namespace chronel
