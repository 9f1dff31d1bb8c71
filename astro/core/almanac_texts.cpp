#include "astro/core/almanac_texts.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "calendar/day_numbers.h"

namespace chronel {
namespace {

constexpr std::int64_t kMinutesPerDay = 1440;

double RoundToTenth(double x) { return std::round(x * 10.0) / 10.0; }

std::string TwoDigitsClock(std::int64_t minutes) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", static_cast<int>(minutes / 60),
                  static_cast<int>(minutes % 60));
    return buf;
}

std::string YearText(int year) {
    char buf[16];
    if (year < 0) {
        std::snprintf(buf, sizeof buf, "-%04d", -year);
    } else {
        std::snprintf(buf, sizeof buf, "%04d", year);
    }
    return buf;
}

// Date and minute of the day of a Julian Day rounded to the nearest minute.
struct DateMinute {
    CalendarDate date;
    std::int64_t minuteOfDay;
};

DateMinute RoundedDateMinute(double jd) {
    const auto minutes = static_cast<std::int64_t>(std::floor((jd + 0.5) * kMinutesPerDay + 0.5));
    const std::int64_t dayNumber = FloorDiv(minutes, kMinutesPerDay);  // JD of that day's noon
    return {JDToGregorian(static_cast<double>(dayNumber)), FloorRem(minutes, kMinutesPerDay)};
}

std::string DateText(const CalendarDate& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "-%02d-%02d", d.month, d.day);
    return YearText(d.year) + buf;
}

}  // namespace

std::string EventStateText(EventState state) {
    switch (state) {
        case EventState::kHappens: return {};
        case EventState::kNone: return "none";
        case EventState::kAlwaysAbove: return "always above";
        case EventState::kAlwaysBelow: return "always below";
    }
    return {};
}

std::string FormatUtInstant(double jdUt) {
    const DateMinute dm = RoundedDateMinute(jdUt);
    return DateText(dm.date) + "T" + TwoDigitsClock(dm.minuteOfDay) + "Z";
}

std::string FormatClockInstant(double jdClock) {
    const DateMinute dm = RoundedDateMinute(jdClock);
    return DateText(dm.date) + " " + TwoDigitsClock(dm.minuteOfDay);
}

std::string FormatClockTimeOfDay(double jdClock, double jdMidnight) {
    const auto minutes =
        static_cast<std::int64_t>(std::floor((jdClock - jdMidnight) * kMinutesPerDay + 0.5));
    if (minutes >= 0 && minutes <= kMinutesPerDay) return TwoDigitsClock(minutes);
    return TwoDigitsClock(RoundedDateMinute(jdClock).minuteOfDay);
}

std::string FormatEvent(const AlmanacEvent& event, double jdMidnight) {
    if (event.at) return FormatClockTimeOfDay(event.at->jdClock, jdMidnight);
    return EventStateText(event.state);
}

std::string MoonLookDescription(double percent, bool waxing) {
    const char* look = nullptr;
    if (percent < 1.0) {
        look = "New Moon";
    } else if (percent > 99.0) {
        look = "Full Moon";
    } else if (percent >= 45.0 && percent <= 55.0) {
        look = waxing ? "First quarter" : "Last quarter";
    } else if (percent < 45.0) {
        look = waxing ? "Waxing crescent" : "Waning crescent";
    } else {
        look = waxing ? "Waxing gibbous" : "Waning gibbous";
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s, %.1f %% lit", look, percent);
    return buf;
}

AlmanacTexts FormatAlmanacTexts(const Almanac& a) {
    const double midnight = GregorianToJD(a.day, a.month, a.year);
    AlmanacTexts t;
    t.date = DateText(CalendarDate{a.day, a.month, a.year});
    t.astronomicalDawn = FormatEvent(a.astronomicalDawn, midnight);
    t.nauticalDawn = FormatEvent(a.nauticalDawn, midnight);
    t.civilDawn = FormatEvent(a.civilDawn, midnight);
    t.sunrise = FormatEvent(a.sunrise, midnight);
    t.solarNoon = FormatEvent(a.solarNoon, midnight);
    t.sunset = FormatEvent(a.sunset, midnight);
    t.civilDusk = FormatEvent(a.civilDusk, midnight);
    t.nauticalDusk = FormatEvent(a.nauticalDusk, midnight);
    t.astronomicalDusk = FormatEvent(a.astronomicalDusk, midnight);
    t.moonrise = FormatEvent(a.moonrise, midnight);
    t.moonTransit = FormatEvent(a.moonTransit, midnight);
    t.moonset = FormatEvent(a.moonset, midnight);
    if (a.solarNoonAltitude) t.solarNoonAltitude = RoundToTenth(*a.solarNoonAltitude);
    t.dayLength = TwoDigitsClock(static_cast<std::int64_t>(std::floor(a.dayLengthHours * 60 + 0.5)));
    t.moonIllumination = RoundToTenth(a.moonIlluminatedPercent);
    t.moonAge = RoundToTenth(a.moonAgeDays);
    t.moonWaxing = a.moonWaxing;
    t.deltaT = RoundToTenth(a.deltaTSeconds);
    for (const AlmanacPhase& p : a.phases) {
        t.phases.push_back({std::string(PhaseName(p.kind)), FormatUtInstant(p.at.jdUt),
                            FormatClockInstant(p.at.jdClock)});
    }
    t.nextSeasonName = std::string(SeasonName(a.nextSeason.kind));
    t.nextSeasonUt = FormatUtInstant(a.nextSeason.at.jdUt);
    return t;
}

}  // namespace chronel
