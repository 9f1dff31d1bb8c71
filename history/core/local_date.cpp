#include "history/core/local_date.h"

#include <cstdint>
#include <limits>

namespace chronel {
namespace {

constexpr std::string_view kGregorianEraName = "Anno Domini";
constexpr std::string_view kGregorianStyleName = "New Style";

template <typename T>
const T* CatalogueEntry(std::span<const T> catalogue, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= catalogue.size()) return nullptr;
    return &catalogue[static_cast<std::size_t>(index)];
}

LocalDate Unavailable() { return {}; }

}  // namespace

CurrentDay CurrentDayAt(double jd) { return {jd, JDToJulian(jd), JDToGregorian(jd)}; }

LocalDate ComputeLocalDate(const CRegion& region, const CurrentDay& day, std::span<const CEra> eras,
                           std::span<const CYearStyle> styles) {
    const std::vector<CTransition>& list = region.m_transitions;
    if (list.empty()) return Unavailable();

    const double jd = day.jd;
    if (TransitionDayNumber(list.front()) > jd) {
        LocalDate before;
        before.reckoning = LocalReckoning::BeforeFirstTransition;
        return before;
    }

    // The first entry satisfies d <= jd, so the scan stops at index 0 at the latest.
    std::size_t i = list.size() - 1;
    while (i > 0 && TransitionDayNumber(list[i]) > jd) --i;
    const CTransition& t = list[i];

    if (list.size() > 1 && t.m_calendar == kGregorianSwitchCode && TransitionDayNumber(t) < jd) {
        LocalDate gregorian;
        gregorian.reckoning = LocalReckoning::Gregorian;
        gregorian.day = day.gregorian.day;
        gregorian.month = day.gregorian.month;
        gregorian.year = day.gregorian.year;
        gregorian.eraName = kGregorianEraName;
        gregorian.styleName = kGregorianStyleName;
        return gregorian;
    }

    const CEra* era = CatalogueEntry(eras, t.m_era);
    const CYearStyle* style = CatalogueEntry(styles, t.m_style);
    if (era == nullptr || style == nullptr) return Unavailable();

    const int historicalYear = day.julian.year;
    const std::int64_t astronomicalYear = historicalYear > 0 ? historicalYear : std::int64_t{historicalYear} + 1;
    const double yearStart = JulianToJD(style->m_startDay, style->m_startMonth, historicalYear);
    std::int64_t year = astronomicalYear - era->m_yearOffset;
    if (yearStart > jd) --year;
    if (year < std::numeric_limits<int>::min() || year > std::numeric_limits<int>::max()) return Unavailable();

    LocalDate julian;
    julian.reckoning = LocalReckoning::Julian;
    julian.day = day.julian.day;
    julian.month = day.julian.month;
    julian.year = static_cast<int>(year);
    julian.eraName = era->m_name;
    julian.styleName = style->m_name;
    return julian;
}

std::optional<std::size_t> FindRegionByName(std::span<const CRegion> regions, std::string_view text) {
    for (std::size_t i = 0; i < regions.size(); ++i) {
        if (regions[i].m_name == text) return i;
    }
    return std::nullopt;
}

}  // namespace chronel
