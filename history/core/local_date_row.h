#pragma once
// The five texts of a "Local Historical Dates" row: day, month name, year, era, style.

#include <span>
#include <string>
#include <string_view>

#include "history/core/local_date.h"

namespace chronel {

// Shown in all five fields when there is no local date to show.
inline constexpr std::string_view kLocalDatePlaceholder = "-----";

struct LocalDateRowTexts {
    std::string day;    // "%d"
    std::string month;  // month name
    std::string year;   // "%d", may be 0 or negative
    std::string era;
    std::string style;
    friend bool operator==(const LocalDateRowTexts&, const LocalDateRowTexts&) = default;
};

// monthNames holds "January" ... "December" at indexes 0..11.
// The placeholder in all five fields unless date holds a Julian or Gregorian date whose month
// has a name.
LocalDateRowTexts FormatLocalDateRow(const LocalDate& date, std::span<const std::string, 12> monthNames);

// The row for the region named regionName: FindRegionByName, ComputeLocalDate, FormatLocalDateRow.
// The placeholder in all five fields when no loaded region has that name (a missing or short
// transitions file) or its list is empty.
LocalDateRowTexts LocalDateRowFor(std::span<const CRegion> regions, std::string_view regionName,
                                  const CurrentDay& day, std::span<const CEra> eras,
                                  std::span<const CYearStyle> styles,
                                  std::span<const std::string, 12> monthNames);

}  // namespace chronel
