#pragma once
// Day numbers and calendar conversions.
//
// A civil day runs from JD n - 0.5 to n + 0.5; every date-to-JD function returns the JD of
// the day's midnight (an integer minus 0.5). Formulas after Fliegel & Van Flandern (1968) and
// the Explanatory Supplement to the Astronomical Almanac (1992), ch. 12, written with floor
// division and 64-bit intermediates so that they stay exact proleptic dates for any input the
// window can produce.
//
// Year numbering: the Gregorian side counts astronomically (year 0 exists, -1 precedes it);
// the Julian side counts historically (-1 is 1 BC, no year 0; a year 0 given to JulianToJD is
// read as -1, and JDToJulian never returns 0).

#include <cstdint>

namespace chronel {

struct CalendarDate {
    int day = 1;    // 1..31
    int month = 1;  // 1..12
    int year = 0;   // numbering as stated by the function that produced it
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// Offset between JD and MJD: MJD = JD - 2400000.5.
inline constexpr double kMjdOffset = 2400000.5;

// Range of day numbers the main window shows: from 1 March 4801 BC (Gregorian, astronomical
// year -4800) to the last day of Gregorian year 1 000 000, which is also inside Julian year
// 1 000 000. Outside it a date is brought to the nearest end (ClampToSupportedRange).
inline constexpr double kMinSupportedJD = -32044.5;
double MaxSupportedJD();  // JD of the midnight that begins 31 December 1000000 (Gregorian)

// Brings jd into [kMinSupportedJD, MaxSupportedJD() + 1): a value inside the last day keeps its
// fraction; anything later becomes that day's midnight; NaN and anything earlier become the
// first supported midnight.
double ClampToSupportedRange(double jd);

double GregorianToJD(int day, int month, int year);   // astronomical year
double JulianToJD(int day, int month, int year);      // historical year, 0 read as -1
double GregorianToMJD(int day, int month, int year);  // astronomical year

// The date of the civil day containing jd. jd must be finite; callers keep it within the
// supported range (the year must fit an int).
CalendarDate JDToGregorian(double jd);  // astronomical year
CalendarDate JDToJulian(double jd);     // historical year, never 0

bool IsGregorianLeap(int year);  // astronomical year
bool IsJulianLeap(int year);     // historical year, not 0

// Days in month 1..12 of the given year under each calendar's leap rule.
int GregorianMonthLength(int month, int year);
int JulianMonthLength(int month, int year);

// 0 = Sunday ... 6 = Saturday, for any Gregorian date (astronomical year).
int DayOfWeek(int day, int month, int year);

// b * (a/b - floor(a/b)), computed in that order (so FloorMod(8.5, 7) is 1.4999999999999993).
double FloorMod(double a, double b);

// Floor division and remainder of integers: the remainder takes the sign of the divisor.
inline std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
inline std::int64_t FloorRem(std::int64_t a, std::int64_t b) { return a - b * FloorDiv(a, b); }

}  // namespace chronel
