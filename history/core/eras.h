#pragma once
// The era catalogue: from which epoch a region counted its years.

#include <cstddef>
#include <string>
#include <vector>

namespace chronel {

struct CEra {
    int m_number = 0;      // index of the era; equals its position in the catalogue
    std::string m_name;    // text of the era field of a local-date row
    int m_startDay = 1;    // the era's own first day of the year (1..31); informative only:
    int m_startMonth = 1;  //   the local year always turns on the year style's first day
    // Era year = astronomical Julian year - m_yearOffset (1 BC is year 0), one less before the
    // first day of the year of the region's year style.
    int m_yearOffset = 0;
};

inline constexpr std::size_t kEraCount = 7;

// Appends the seven eras in index order; the list is not cleared first.
//   0 Anno Mundi        (world era, year + 5508; with the March year it is the Russian count)
//   1 Ab Urbe condita   (Varronian foundation of Rome, year + 753)
//   2 Diocletian Era    (year - 284)
//   3 Before Christ     (the year itself: a label only)
//   4 Anno Domini       (the year itself)
//   5 Byzantine Era     (world era of Constantinople, year + 5509, 1 Sep 5509 BC)
//   6 Olympic Games Era (first Olympiad, year + 776)
void FillEraList(std::vector<CEra>& eras);

}  // namespace chronel
