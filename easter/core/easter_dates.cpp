#include "easter/core/easter_dates.h"

#include <cstdint>

#include "calendar/day_numbers.h"

namespace chronel {
namespace {

// n = 31 * month + day - 1, so 114 is 22 March and 148 is 25 April.
EasterDate FromMarchCount(std::int64_t n) {
    return {static_cast<int>(FloorRem(n, 31) + 1), static_cast<int>(FloorDiv(n, 31))};
}

}  // namespace

EasterDate CatholicEaster(int gregorianYear) {
    const std::int64_t y = gregorianYear;
    const std::int64_t a = FloorRem(y, 19);  // place in the 19-year lunar (Metonic) cycle
    const std::int64_t b = FloorDiv(y, 100), c = FloorRem(y, 100);
    const std::int64_t d = FloorDiv(b, 4), e = FloorRem(b, 4);
    const std::int64_t f = FloorDiv(b + 8, 25);
    const std::int64_t g = FloorDiv(b - f + 1, 3);  // lunar correction of the century
    // Days from 21 March to the paschal full moon, 0..29.
    const std::int64_t h = FloorRem(19 * a + b - d - g + 15, 30);
    const std::int64_t i = FloorDiv(c, 4), k = FloorRem(c, 4);
    const std::int64_t l = FloorRem(32 + 2 * e + 2 * i - h - k, 7);  // days on to the Sunday
    const std::int64_t m = FloorDiv(a + 11 * h + 22 * l, 451);       // the two exceptions
    return FromMarchCount(h + l - 7 * m + 114);
}

EasterDate OrthodoxJulianEaster(int julianYear) {
    // Historical to astronomical numbering: 1 BC (and 0) is 0, 2 BC is -1.
    const std::int64_t y = julianYear < 0 ? std::int64_t{julianYear} + 1 : julianYear;
    const std::int64_t a = FloorRem(y, 4), b = FloorRem(y, 7), c = FloorRem(y, 19);
    const std::int64_t d = FloorRem(19 * c + 15, 30);  // days from 21 March to the full moon
    const std::int64_t e = FloorRem(2 * a + 4 * b - d + 34, 7);  // days on to the Sunday
    return FromMarchCount(d + e + 114);
}

EasterDate OrthodoxGregorianEaster(int julianYear) {
    const EasterDate julian = OrthodoxJulianEaster(julianYear);
    const CalendarDate gregorian = JDToGregorian(JulianToJD(julian.day, julian.month, julianYear));
    return {gregorian.day, gregorian.month};
}

}  // namespace chronel
