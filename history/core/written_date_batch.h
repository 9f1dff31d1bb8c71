#pragma once
// Looking up a list of written dates at once: a CSV file in, the same rows with their days out.
//
// CSV as in RFC 4180: fields separated by commas; a field may be enclosed in double quotes, and
// must be when it holds a comma, a quote (written twice) or a line break. Records end with CRLF
// or LF on input; output records end with CRLF. Completely empty lines are skipped, and so is
// a UTF-8 byte order mark at the start.
//
// Input: a header row naming the columns, ignoring case and surrounding blanks: "region" and
// "date" (required), "era" and "weekday" (optional; the weekday the document names, an English
// name or its three-letter abbreviation); other columns are carried through unchanged.
// Output: the header and then every row, in the input's order, with its input fields followed
// by the columns of BatchResultColumns():
//   readings         number of matching days
//   julian_day       Julian Day of the first (earliest) reading's midnight, "2360651.5"
//   gregorian        its Gregorian date "Y-MM-DD", astronomical year (0 = 1 BC, -1 = 2 BC)
//   julian           its Julian date "Y-MM-DD", historical year (-1 = 1 BC)
//   others           the Julian Days of the further readings, separated by spaces
//   weekday_matches  "yes" or "no" for the first reading when a weekday was given, else empty
//   problem          why nothing matched, or why the row could not be read; else empty
// A row that cannot be read (wrong number of fields, a broken quote, an empty region, no date,
// an unknown era or weekday) gets its sentence in the problem column, and the next row is read.

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_numbers.h"
#include "history/core/eras.h"
#include "history/core/transition.h"
#include "history/core/written_date.h"
#include "history/core/year_styles.h"

namespace chronel {

struct BatchSummary {
    int rows = 0;              // data rows written (the header not counted)
    int rowsWithReadings = 0;  // rows with at least one reading
    int rowsWithProblem = 0;   // rows whose problem column is filled
};

// Reads in to its end and writes the result to out.
BatchSummary ConvertBatch(std::istream& in, std::ostream& out, std::span<const CRegion> regions,
                          std::span<const CEra> eras, std::span<const CYearStyle> styles,
                          std::span<const std::string, 12> monthNames);

// The names of the result columns, in order.
std::span<const std::string_view> BatchResultColumns();

// The result columns of one lookup; weekday (0 = Sunday) is the one the document names, if any.
std::vector<std::string> BatchResultFields(const WrittenDateLookup& lookup, std::optional<int> weekday);

// Appends fields as one CSV record ending in CRLF, quoting the fields that need it.
void AppendCsvRecord(std::string& out, std::span<const std::string> fields);

// "2360651.5": a midnight Julian Day with one decimal.
std::string FormatJulianDay(double jd);

// "1751-02-21": year as given (no padding, "-" for negative years), month and day with two digits.
std::string FormatIsoLikeDate(const CalendarDate& date);

}  // namespace chronel
