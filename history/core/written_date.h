#pragma once
// The inverse of the local date: the days on which a region wrote a given day, month and year.
//
// A region's transition list cuts the supported range into spans, each governed by one
// transition (the one ComputeLocalDate picks there), and a Gregorian switch splits its span into
// its own Julian day and the Gregorian days after it. Within one span the written date is a
// fixed rule of the date: a Julian date with the span's era offset and year style, or the
// Gregorian date. So each span gives at most one candidate day, computed directly from the
// written numbers; every candidate is then confirmed with ComputeLocalDate itself. The result
// is exact: ComputeLocalDate at each returned midnight gives the written day, month and year
// (and era) back, and no other day of the supported range does.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "history/core/eras.h"
#include "history/core/local_date.h"
#include "history/core/transition.h"
#include "history/core/year_styles.h"

namespace chronel {

// A date as a document gives it.
struct WrittenDate {
    int day = 1;    // 1..31
    int month = 1;  // 1..12
    int year = 0;   // the year number as the region wrote it (the row's year; may be 0 or negative)
    // The second number of a dual year ("1750/51" has year 1750 and dualYear 1751): the year
    // counted from 1 January, which must be year + 1.
    std::optional<int> dualYear;
    std::optional<int> era;  // index into the era catalogue; when set, the row's era must be its name
    friend bool operator==(const WrittenDate&, const WrittenDate&) = default;
};

// One day that matches: the midnight that begins it and the row the region showed that day.
struct Reading {
    double jd = 0.0;  // midnight (an integer minus 0.5)
    LocalDate local;  // reckoning (Julian or Gregorian), day, month, year, era and style names
};

// Why nothing matched (None when at least one reading was found).
enum class WrittenDateProblem {
    None,
    InvalidDate,      // day or month out of 1..31 / 1..12, or a day no such month ever has (31 April)
    UnknownRegion,    // the name is none of the 76 regions
    NoHistory,        // the region was not loaded, or has no transition list
    UnknownEra,       // the era index is outside the catalogue
    EraNotUsed,       // the region never counted years in that era
    BadDualYear,      // the second number of a dual year is not the first plus one
    NotADualDate,     // the date matches, but not in a part of a year that was written double
    ReformGap,        // the date fell in the days a switch to the Gregorian calendar skipped
    MonthTooShort,    // the month had fewer days in the calendar then in force (30 February)
    YearCutShort,     // that year, as the region counted it, did not reach that day
    NotWrittenThen,   // the year number falls outside the time the region counted that way
    BeforeHistory,    // every reading of the date lies before the region's first transition
    OutsideRange,     // every reading lies outside the supported range of days
};

struct WrittenDateLookup {
    std::vector<Reading> readings;  // ascending by jd
    WrittenDateProblem problem = WrittenDateProblem::None;
    std::string explanation;  // one plain sentence when problem is not None, else empty
};

// Every day of the supported range (kMinSupportedJD .. MaxSupportedJD()) on which region's
// local-date row shows written.day, written.month and written.year (and the era's name when
// written.era is set), ascending. With a dual year, only the readings where that year was
// written double: a Julian reading under a year style that begins after 1 January and before
// 1 July (Old Style, March Style), dated from 1 January to the day before the style's new year,
// where the year counted from 1 January is one more. The September Style is excluded: its
// year begins four months before the January year (the Byzantine year 7209 began on
// 1 September 1700), so it runs ahead of a January count instead of behind it, and "7208/09"
// would name no such reading.
// monthNames ("January" ... "December") are used in the explanation.
WrittenDateLookup FindWrittenDate(const CRegion& region, const WrittenDate& written,
                                  std::span<const CEra> eras, std::span<const CYearStyle> styles,
                                  std::span<const std::string, 12> monthNames);

// The same for the region named regionName: FindRegionByName first, then a comparison that
// ignores ASCII case. UnknownRegion when the name is none of g_regionNames; NoHistory when it
// is one but was not loaded (a missing or short transitions file) or its list is empty.
WrittenDateLookup FindWrittenDateIn(std::span<const CRegion> regions, std::string_view regionName,
                                    const WrittenDate& written, std::span<const CEra> eras,
                                    std::span<const CYearStyle> styles,
                                    std::span<const std::string, 12> monthNames);

// The position of the region named text: exact match first, else the first region whose name
// equals text ignoring ASCII case.
std::optional<std::size_t> FindRegionIgnoringCase(std::span<const CRegion> regions, std::string_view text);

// True when a year style's year numbers lag the year counted from 1 January in its first
// months, so that a dual year ("1750/51") can be written there: the new year falls after
// 1 January and before 1 July.
bool StyleHasDualYears(const CYearStyle& style);

}  // namespace chronel
