#pragma once
// The table of cities read from Data/CitiesDMS.txt.
//
// One line per city: the name (every character before the first tab, unchanged), the tab,
// any run of further tabs, spaces and commas, then seven fields separated by white space:
//   latitude degrees, latitude minutes, latitude letter, longitude degrees, longitude minutes,
//   longitude letter, time zone (hours east of Greenwich, sign and fraction allowed)
// e.g. "Rome<TAB>41 54 N 12 29 E 1". Whatever follows the time zone is ignored. A latitude
// letter 'S' means south and a longitude letter 'W' west; any other character means north or
// east. No field is checked against a range.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace chronel {

struct CityRow {
    std::string name;
    int latDeg = 0;
    int latMin = 0;
    char latLetter = 'N';
    int lonDeg = 0;
    int lonMin = 0;
    char lonLetter = 'E';
    double timeZone = 0.0;  // hours east of Greenwich
    friend bool operator==(const CityRow&, const CityRow&) = default;
};

// Eight columns of equal length; a city's index is its 0-based row (its line among the lines
// that were read as cities, in file order).
struct CityTable {
    std::vector<std::string> cityNames;
    std::vector<int> cityLatDeg;
    std::vector<int> cityLatMin;
    std::vector<char> cityLatLetter;
    std::vector<int> cityLonDeg;
    std::vector<int> cityLonMin;
    std::vector<char> cityLonLetter;
    std::vector<double> cityTimeZone;

    std::size_t size() const { return cityNames.size(); }
    bool empty() const { return cityNames.empty(); }
    void Append(const CityRow& row);
    CityRow Row(std::size_t index) const;  // index < size()
};

// One line without its line end. Empty when the line has no tab, or when the seven fields do
// not all read (a missing field, a number that does not fit an int, a time zone that is not a
// finite number).
std::optional<CityRow> ParseCityLine(std::string_view line);

struct CityLoadResult {
    bool opened = false;          // false: the file could not be opened, the table is unchanged
    std::size_t rowsAdded = 0;
    std::size_t linesSkipped = 0;  // lines that ParseCityLine refused
};

// Appends a row for every line of the file that reads as a city, in file order. Lines are read
// whole, of any length; a carriage return before the line feed belongs to the line end. When
// echo is not null, every line read is written to it unchanged (with its line feed when it had
// one), the skipped ones too: the trace of the loader.
CityLoadResult LoadCityTable(const std::filesystem::path& path, CityTable& table,
                             std::ostream* echo);

}  // namespace chronel
