#include "calendar/day_numbers.h"

#include <cmath>

namespace chronel {
namespace {

// Julian Day Number of a date counted from 1 March (m = 0 for March ... 11 for February),
// shared by both calendars; only the century terms differ.
struct MarchYear {
    std::int64_t y;  // year counted from 4800 BC (astronomical year + 4800, shifted for Jan/Feb)
    std::int64_t m;  // 0 = March ... 11 = February
};

MarchYear ToMarchYear(int month, std::int64_t year) {
    const std::int64_t a = month <= 2 ? 1 : 0;  // January and February belong to the previous year
    return {year + 4800 - a, month + 12 * a - 3};
}

std::int64_t GregorianJdn(int day, int month, std::int64_t year) {
    const MarchYear my = ToMarchYear(month, year);
    return day + FloorDiv(153 * my.m + 2, 5) + 365 * my.y + FloorDiv(my.y, 4) -
           FloorDiv(my.y, 100) + FloorDiv(my.y, 400) - 32045;
}

std::int64_t JulianJdn(int day, int month, std::int64_t year) {
    if (year < 0) year += 1;  // historical BC numbering to astronomical; 0 and -1 both mean 1 BC
    const MarchYear my = ToMarchYear(month, year);
    return day + FloorDiv(153 * my.m + 2, 5) + 365 * my.y + FloorDiv(my.y, 4) - 32083;
}

// The civil day's JDN: jd + 0.5 rounded down.
std::int64_t DayNumberOf(double jd) { return static_cast<std::int64_t>(std::floor(jd + 0.5)); }

// Splits a day count from 1 March of astronomical year -4800 (c >= 0 within a 4-year cycle
// remainder) into day, month and a year offset.
CalendarDate FromMarchDays(std::int64_t c, std::int64_t yearBase) {
    const std::int64_t m = FloorDiv(5 * c + 2, 153);
    CalendarDate d;
    d.day = static_cast<int>(c - FloorDiv(153 * m + 2, 5) + 1);
    d.month = static_cast<int>(m + 3 - 12 * FloorDiv(m, 10));
    d.year = static_cast<int>(yearBase + FloorDiv(m, 10));
    return d;
}

}  // namespace

double MaxSupportedJD() {
    static const double max = GregorianToJD(31, 12, 1000000);
    return max;
}

double ClampToSupportedRange(double jd) {
    if (!(jd >= kMinSupportedJD)) return kMinSupportedJD;  // also NaN
    const double last = MaxSupportedJD();
    if (jd >= last + 1.0) return last;
    return jd;
}

double GregorianToJD(int day, int month, int year) {
    return static_cast<double>(GregorianJdn(day, month, year)) - 0.5;
}

double JulianToJD(int day, int month, int year) {
    return static_cast<double>(JulianJdn(day, month, year)) - 0.5;
}

double GregorianToMJD(int day, int month, int year) { return GregorianToJD(day, month, year) - kMjdOffset; }

CalendarDate JDToGregorian(double jd) {
    std::int64_t c = DayNumberOf(jd) + 32044;  // days from 1 March -4800
    const std::int64_t b = FloorDiv(4 * c + 3, 146097);
    c -= FloorDiv(146097 * b, 4);
    const std::int64_t d = FloorDiv(4 * c + 3, 1461);
    c -= FloorDiv(1461 * d, 4);
    return FromMarchDays(c, 100 * (b - 48) + d);
}

CalendarDate JDToJulian(double jd) {
    std::int64_t c = DayNumberOf(jd) + 32082;  // days from 1 March 4801 BC (Julian)
    const std::int64_t b = FloorDiv(4 * c + 3, 1461);
    c -= FloorDiv(1461 * b, 4);
    CalendarDate d = FromMarchDays(c, b - 4800);
    if (d.year <= 0) d.year -= 1;  // astronomical 0 is 1 BC
    return d;
}

bool IsGregorianLeap(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

bool IsJulianLeap(int year) {
    const std::int64_t y = year <= 0 ? std::int64_t{year} + 1 : year;
    return y % 4 == 0;
}

namespace {
constexpr int kMonthLength[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
int MonthLength(int month, bool leap) {
    if (month < 1 || month > 12) return 31;
    return month == 2 && leap ? 29 : kMonthLength[month];
}
}  // namespace

int GregorianMonthLength(int month, int year) { return MonthLength(month, IsGregorianLeap(year)); }
int JulianMonthLength(int month, int year) { return MonthLength(month, IsJulianLeap(year)); }

int DayOfWeek(int day, int month, int year) {
    // JDN 0 is a Monday, so (JDN + 1) mod 7 counts from Sunday.
    return static_cast<int>(FloorRem(GregorianJdn(day, month, year) + 1, 7));
}

double FloorMod(double a, double b) {
    const double q = a / b;
    return (q - std::floor(q)) * b;
}

}  // namespace chronel
