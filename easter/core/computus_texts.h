#pragma once
// The texts of the Computus window for the years the main window shows.

#include <span>
#include <string>

namespace chronel {

struct ComputusTexts {
    std::string catholicDay;             // "%d"
    std::string catholicMonth;           // month name
    std::string orthodoxJulianDay;       // "%d"
    std::string orthodoxJulianMonth;     // month name
    std::string orthodoxGregorianDay;    // "%d"
    std::string orthodoxGregorianMonth;  // month name
    std::string note;                    // always filled, shown only when noteVisible
    bool noteVisible = false;            // Julian year before 1583
};

// gregorianYear: astronomical numbering; julianYear: historical numbering (-1 is 1 BC). Around New
// Year the two differ (early January the Julian year is still the previous one). monthNames holds
// "January" ... "December" at indexes 0..11.
ComputusTexts MakeComputusTexts(int gregorianYear, int julianYear,
                                std::span<const std::string, 12> monthNames);

}  // namespace chronel
