#pragma once
// Small builders shared by the historical-calendar tests.

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/day_numbers.h"
#include "history/core/eras.h"
#include "history/core/local_date.h"
#include "history/core/transition.h"
#include "history/core/transitions_file.h"
#include "history/core/year_styles.h"

namespace chronel::testing_history {

// Era and style indices, named for readable test tables.
enum Era { kAnnoMundi = 0, kAbUrbeCondita = 1, kDiocletian = 2, kBeforeChrist = 3, kAnnoDomini = 4,
           kByzantine = 5, kOlympic = 6 };
enum Style { kOldStyle = 0, kNewStyle = 1, kMarchStyle = 2, kSeptemberStyle = 3 };

// A Julian-calendar transition (calendar code 0 unless given).
inline CTransition Jul(int era, int style, int day, int month, int year, int code = 0) {
    return {code, era, style, day, month, year};
}

// A switch to the Gregorian calendar dated on its last Julian day.
inline CTransition Switch(int day, int month, int year, int era = kAnnoDomini, int style = kNewStyle) {
    return {kGregorianSwitchCode, era, style, day, month, year};
}

inline CRegion Region(std::vector<CTransition> list, std::string name = "Test") {
    CRegion r;
    r.m_name = std::move(name);
    r.m_transitions = std::move(list);
    return r;
}

inline CurrentDay OnJulian(int day, int month, int year) { return CurrentDayAt(JulianToJD(day, month, year)); }
inline CurrentDay OnGregorian(int day, int month, int year) {
    return CurrentDayAt(GregorianToJD(day, month, year));
}

struct Catalogues {
    std::vector<CEra> eras;
    std::vector<CYearStyle> styles;
    Catalogues() {
        FillEraList(eras);
        FillStyleList(styles);
    }
};

inline const std::array<std::string, 12> kMonthNames = {"January", "February", "March",     "April",
                                                        "May",     "June",     "July",      "August",
                                                        "September", "October", "November", "December"};

// Loads text as a transitions file named "T.txt"; the error stream's text goes to errors.
inline TransitionsLoadResult LoadText(const std::string& text, std::vector<CRegion>& regions,
                                      std::string& errors) {
    std::istringstream in(text);
    std::ostringstream err;
    const TransitionsLoadResult result = LoadTransitions(in, "T.txt", regions, err);
    errors = err.str();
    return result;
}

}  // namespace chronel::testing_history
