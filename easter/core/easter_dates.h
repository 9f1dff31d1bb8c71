#pragma once
// Easter Sunday by the Gregorian and by the Julian computus.
//
// Both reckonings are written with floor division and floor remainder on the astronomical year
// (1 BC = 0, 2 BC = -1), so that years before AD 1 continue the cycles without a break: every year
// gets a real proleptic date between 22 March and 25 April, and for years from 0 upward the
// results are those of the textbook formulas (where floor and truncation agree).

namespace chronel {

struct EasterDate {
    int day = 22;   // day of the month, 1..31
    int month = 3;  // 1..12 (3 or 4 for the two computus results)
    friend bool operator==(const EasterDate&, const EasterDate&) = default;
};

// Western (Catholic) Easter of a Gregorian year, astronomical numbering (year 0 exists), as a
// proleptic Gregorian date between 22 March and 25 April. The anonymous Gregorian algorithm
// (J. Meeus, Astronomical Algorithms, 2nd ed., 1998, ch. 8; also Jones 1876, Butcher 1877).
EasterDate CatholicEaster(int gregorianYear);

// Orthodox Easter of a Julian year, historical numbering (-1 is 1 BC; 0 is read as 1 BC, like
// JulianToJD does), as a Julian calendar date between 22 March and 25 April. Meeus's Julian
// algorithm (Astronomical Algorithms, ch. 8), on the astronomical year.
EasterDate OrthodoxJulianEaster(int julianYear);

// The same Orthodox Easter as a day and month of the Gregorian calendar (the Gregorian year is not
// kept: far from the reform it may differ from the Julian one). Historical numbering as above.
EasterDate OrthodoxGregorianEaster(int julianYear);

}  // namespace chronel
