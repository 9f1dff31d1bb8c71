#pragma once
// ΔT = TT - UT, the difference between Terrestrial (dynamical) Time and Universal Time.
//
// Source: F. Espenak and J. Meeus, "Polynomial Expressions for Delta T", NASA Eclipse Web Site
// (Five Millennium Canon of Solar Eclipses, NASA/TP-2006-214141, 2006), fitted to the
// historical values of Morrison & Stephenson (2004) and to observed values up to 2005. The
// pieces cover the years -1999 to +3000; outside that span the same long-term parabola that
// the expressions use before -500 and after 2150 is applied, -20 + 32 u^2 seconds with
// u = (y - 1820) / 100, which grows without limit and is only a rough guess far from today.
// The uncertainty itself grows from about a second in the 20th century to about a minute in
// AD 1000 and several minutes in AD 1 (Morrison & Stephenson).

namespace chronel {

// ΔT in seconds at the decimal year y (2000.5 is the middle of the year 2000; astronomical
// numbering, so 0.5 is the middle of 1 BC).
double DeltaTSeconds(double decimalYear);

// The decimal year of a Julian Day: 2000.0 at JD 2451544.5 (1 January 2000, 0h), advancing
// one mean Gregorian year (365.2425 days) a year.
double DecimalYearOfJD(double jd);

// ΔT in days at the instant jd (UT or TT alike: ΔT changes too slowly for the difference to
// matter).
double DeltaTDays(double jd);

}  // namespace chronel
