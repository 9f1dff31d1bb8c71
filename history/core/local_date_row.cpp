#include "history/core/local_date_row.h"

namespace chronel {
namespace {

LocalDateRowTexts PlaceholderRow() {
    const std::string p(kLocalDatePlaceholder);
    return {p, p, p, p, p};
}

}  // namespace

LocalDateRowTexts FormatLocalDateRow(const LocalDate& date, std::span<const std::string, 12> monthNames) {
    if (!date.HasDate() || date.month < 1 || date.month > 12) {
        return PlaceholderRow();
    }
    return {std::to_string(date.day), monthNames[static_cast<std::size_t>(date.month) - 1],
            std::to_string(date.year), date.eraName, date.styleName};
}

LocalDateRowTexts LocalDateRowFor(std::span<const CRegion> regions, std::string_view regionName,
                                  const CurrentDay& day, std::span<const CEra> eras,
                                  std::span<const CYearStyle> styles,
                                  std::span<const std::string, 12> monthNames) {
    const auto index = FindRegionByName(regions, regionName);
    if (!index) return PlaceholderRow();
    return FormatLocalDateRow(ComputeLocalDate(regions[*index], day, eras, styles), monthNames);
}

}  // namespace chronel
