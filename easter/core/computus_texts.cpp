#include "easter/core/computus_texts.h"

#include "easter/core/easter_dates.h"

namespace chronel {
namespace {

// The first year the Gregorian computus was in use; before it the Julian date was the kept one.
constexpr int kFirstGregorianEasterYear = 1583;

}  // namespace

ComputusTexts MakeComputusTexts(int gregorianYear, int julianYear,
                                std::span<const std::string, 12> monthNames) {
    // Every EasterDate month is 1..12 (computus results 3..4, converted dates from JDToGregorian).
    const auto name = [&](const EasterDate& d) { return monthNames[d.month - 1]; };
    const EasterDate catholic = CatholicEaster(gregorianYear);
    const EasterDate julian = OrthodoxJulianEaster(julianYear);
    const EasterDate gregorian = OrthodoxGregorianEaster(julianYear);

    ComputusTexts t;
    t.catholicDay = std::to_string(catholic.day);
    t.catholicMonth = name(catholic);
    t.orthodoxJulianDay = std::to_string(julian.day);
    t.orthodoxJulianMonth = name(julian);
    t.orthodoxGregorianDay = std::to_string(gregorian.day);
    t.orthodoxGregorianMonth = name(gregorian);
    t.note = "Current year < 1583 AD. True Easter date is the Orthodox Julian one: " +
             t.orthodoxJulianDay + " " + t.orthodoxJulianMonth;
    t.noteVisible = julianYear < kFirstGregorianEasterYear;
    return t;
}

}  // namespace chronel
