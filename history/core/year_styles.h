#pragma once
// The catalogue of year styles: on which day of the Julian calendar a region's year number
// went up by one.

#include <cstddef>
#include <string>
#include <vector>

namespace chronel {

struct CYearStyle {
    int m_number = 0;      // index of the style; equals its position in the catalogue
    std::string m_name;    // text of the style field of a local-date row
    int m_startDay = 1;    // first day of the year, a Julian calendar day (1..31) ...
    int m_startMonth = 1;  // ... and month (1..12)
};

inline constexpr std::size_t kStyleCount = 4;

// Appends the four styles in index order; the list is not cleared first.
//   0 Old Style       (25 March, the Annunciation year)
//   1 New Style       (1 January)
//   2 March Style     (1 March: Venice's "more veneto", the old Russian March year)
//   3 September Style (1 September: the Byzantine indiction year)
void FillStyleList(std::vector<CYearStyle>& styles);

}  // namespace chronel
