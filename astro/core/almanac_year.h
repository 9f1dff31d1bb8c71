#pragma once
// A year of the almanac: every day's rows as a text table or CSV, and the year's principal
// phases, equinoxes and solstices as an iCalendar file.

#include <string>
#include <vector>

#include "astro/core/almanac.h"

namespace chronel {

// Hours east of Greenwich of a day's search: the clocks' offset in force at the day's local
// noon (so a day that changes to or from daylight saving is searched by its longer part).
double DaySearchOffset(int year, int month, int day, const UtcOffsetAt& clockOffset);

// The almanac of every day of the Gregorian year (astronomical numbering) at the place.
std::vector<Almanac> ComputeAlmanacYear(int year, double latitude, double longitude,
                                        const UtcOffsetAt& clockOffset);

// One header line, then one line per day: the date, the twelve event rows (clock time or
// state), the noon altitude, the day length, the Moon's illumination, age and waxing, ΔT and
// the principal phases of that clock day ("Full Moon 10:03", several joined by "; ").
// CSV: comma-separated, fields quoted only when they need it (RFC 4180), lines end in "\n".
std::string AlmanacYearCsv(const std::vector<Almanac>& days);
// Text: the same columns aligned with blanks for reading or printing.
std::string AlmanacYearText(const std::vector<Almanac>& days);

// An iCalendar file (RFC 5545) with one event per principal phase and per equinox and
// solstice whose UT instant falls in the Gregorian year: DTSTART in UTC at the instant's
// minute, a UID made of the kind and the instant (the same event always gets the same UID),
// SUMMARY "Full Moon", "June solstice", ...; DTSTAMP is stampJdUt (the time of export).
// Lines end in CRLF and are folded at 75 octets.
std::string AlmanacYearIcs(int year, double stampJdUt);

// A content line of iCalendar folded at 75 octets (never inside a UTF-8 sequence), each
// physical line ending in CRLF.
std::string FoldIcsLine(const std::string& line);

}  // namespace chronel
