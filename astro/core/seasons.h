#pragma once
// Instants of the equinoxes and solstices.
//
// Method: J. Meeus, Astronomical Algorithms (2nd ed., 1998), ch. 27 "Equinoxes and Solstices":
// the mean instant from the polynomials of table 27.A (years -1000 to 1000) or 27.B (1000 to
// 3000), corrected by the 24 periodic terms of table 27.C. Meeus gives the error as well
// below a minute for 1951-2050; years outside -1000..3000 use the nearer table beyond its
// range and lose accuracy slowly. The results are Julian Ephemeris Days (dynamical time).

#include <string_view>

namespace chronel {

enum class SeasonKind : int {
    kMarchEquinox = 0,
    kJuneSolstice = 1,
    kSeptemberEquinox = 2,
    kDecemberSolstice = 3,
};

// "March equinox", "June solstice", "September equinox", "December solstice".
std::string_view SeasonName(SeasonKind kind);

// JDE of that equinox or solstice of the Gregorian year (astronomical numbering).
double SeasonJDE(int year, SeasonKind kind);

}  // namespace chronel
