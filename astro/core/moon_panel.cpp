#include "astro/core/moon_panel.h"

#include <cstdio>

#include "astro/core/lunar_phases.h"
#include "calendar/day_numbers.h"

namespace chronel {
namespace {

constexpr double kMeanSynodicMonth = 29.530588853;   // days
constexpr double kAgeZeroJD = 2451550.1;             // new moon of 6 January 2000, age 0
constexpr double kHalfPictureSpan = 1.8456618033125;  // kMeanSynodicMonth / 16
constexpr double kPicturesPerDay = 0.2709055359452232;  // 8 / kMeanSynodicMonth

// The first day of the Gregorian calendar, 15 October 1582, begins at this JD.
constexpr double kGregorianReformJD = 2299160.5;

}  // namespace

int MoonPictureIndex(double jd) {
    const double age = FloorMod(jd - kAgeZeroJD + kHalfPictureSpan, kMeanSynodicMonth);
    // For finite jd the age is below a whole month and the product at most 7.9999999999999982;
    // a non-finite jd has no age and shows the new moon rather than an undefined conversion.
    const double eighths = age * kPicturesPerDay;
    if (!(eighths >= 0 && eighths < kMoonPictureCount)) return 0;
    return static_cast<int>(eighths);
}

int MoonPictureResource(int index) {
    static constexpr int kResources[kMoonPictureCount] = {133, 138, 140, 141, 136, 142, 143, 144};
    return index >= 0 && index < kMoonPictureCount ? kResources[index] : 0;
}

MoonPhaseTexts ComputeMoonPhaseTexts(double jd) { return FormatMoonPhaseTexts(NextPrincipalPhase(jd)); }

MoonPhaseTexts FormatMoonPhaseTexts(const PrincipalPhase& phase) {
    const double jde = phase.jde;

    CalendarDate date;
    double midnight = 0.0;
    if (jde > kGregorianReformJD) {
        date = JDToGregorian(jde);
        midnight = GregorianToJD(date.day, date.month, date.year);
    } else {
        date = JDToJulian(jde);  // historical numbering: -1 is 1 BC
        midnight = JulianToJD(date.day, date.month, date.year);
    }

    MoonPhaseTexts texts;
    texts.name = std::string(PhaseName(phase.kind));

    char buffer[64];
    if (date.year >= 1) {
        std::snprintf(buffer, sizeof buffer, "%d/%d/%d", date.month, date.day, date.year);
    } else {
        std::snprintf(buffer, sizeof buffer, "%d/%d/%d BC", date.month, date.day, -date.year);
    }
    texts.date = buffer;

    const double hoursIntoDay = (jde - midnight) * 24;
    const int hours = static_cast<int>(hoursIntoDay);
    const int minutes = static_cast<int>((hoursIntoDay - hours) * 60);
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", hours, minutes);
    texts.time = buffer;
    return texts;
}

}  // namespace chronel
