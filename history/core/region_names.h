#pragma once
// The fixed table of the 76 regions whose local dates the main window can show.
//
// The k-th block of the transitions file describes entry k of this table. Five names carry a
// double-quote character right after a vowel (entries 57, 59, 61, 65, 72): it stands for an
// umlaut on that vowel, so the names stay plain ASCII.

#include <array>
#include <cstddef>
#include <string_view>

namespace chronel {

inline constexpr std::size_t kRegionCount = 76;

inline constexpr std::array<std::string_view, kRegionCount> g_regionNames = {
    "Rome Empire",
    "Byzantium",
    "Russia",
    "Belarus",
    "Ukraine",
    "Europe",
    "Vatican City",
    "Andorra",
    "Albania",
    "Austria",
    "Bosnia and Herzegovina",
    "Belgium",
    "Bulgaria",
    "Switzerland",
    "Cyprus",
    "Czech Republic",
    "Germany",
    "Denmark",
    "Estonia",
    "Spain",
    "Finland",
    "France",
    "Gibraltar",
    "Greenland",
    "Greece",
    "Croatia",
    "Hungary",
    "Iceland",
    "Italy",
    "Liechtenstein",
    "Lithuania",
    "Luxembourg",
    "Latvia",
    "Monaco",
    "Moldova",
    "Montenegro",
    "Republic of Macedonia",
    "Malta",
    "Netherlands",
    "Norway",
    "Poland",
    "Portugal",
    "Romania",
    "Serbia",
    "Sweden",
    "Slovenia",
    "Slovakia",
    "San Marino",
    "United Kingdom",
    "United States",
    "Canada",
    "Australia",
    "Scotland",
    "Diocese of Augsburg",
    "Archdiocese of Treves (Trier)",
    "Bavaria (Bayern)",
    "Dioceses of Freising",
    "Eichsta\"tt, Regensburg",
    "Breisgau",
    "Duchy of Ju\"lich-Berg",
    "The city of Cologne",
    "Diocese of Wu\"rzburg",
    "Archdiocese of Mayence (Mainz)",
    "The Margraviate of Baden",
    "The Diocese of Strasbourg",
    "Diocese of Mu\"nster",
    "The Duchy of Cleve",
    "Silesia (Schlesien)",
    "Lusatia (Lausitz)",
    "Duchy of Westphalia (Westfalen)",
    "Diocese of Paderborn",
    "Pfalz-Neuburg",
    "Diocese of Osnabru\"ck",
    "Diocese of Hildesheim",
    "Principality of Minden",
    "Germany Protestant part",
};

}  // namespace chronel
