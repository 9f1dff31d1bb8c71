#pragma once
// The table of cities read from Data/CitiesDMS.txt.
//
// One line per city: the name (every character before the first tab, unchanged), the tab,
// any run of further tabs, spaces and commas, then seven fields separated by white space:
//   latitude degrees, latitude minutes, latitude letter, longitude degrees, longitude minutes,
//   longitude letter, time zone (hours east of Greenwich, sign and fraction allowed)
// and, optionally after a blank, the place's time-zone id of the tz database
// e.g. "Rome<TAB>41 54 N 12 29 E 1 Europe/Rome". Whatever else follows the time zone is
// ignored. A latitude letter 'S' means south and a longitude letter 'W' west; any other
// character means north or east.
//
// Every line of the file takes one row, so that a row number stored in DefaultLoc.txt keeps
// naming the same city whatever happens to other lines. A line that does not read as a city,
// or whose values lie outside the Earth (|latitude| > 90 degrees, |longitude| > 180 degrees,
// minutes outside 0..59, |time zone| > 14 hours), keeps its row but is unusable: it is left out
// of the Locations list and cannot be the default city.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace chronel {

struct CityRow {
    std::string name;  // UTF-8
    int latDeg = 0;
    int latMin = 0;
    char latLetter = 'N';
    int lonDeg = 0;
    int lonMin = 0;
    char lonLetter = 'E';
    double timeZone = 0.0;  // hours east of Greenwich
    std::string zone{};     // tz database id, e.g. "Europe/London"; empty when the line has none
    friend bool operator==(const CityRow&, const CityRow&) = default;
};

// Columns of equal length; a city's index is its 0-based row, which is its 0-based line of the
// file.
struct CityTable {
    std::vector<std::string> cityNames;
    std::vector<int> cityLatDeg;
    std::vector<int> cityLatMin;
    std::vector<char> cityLatLetter;
    std::vector<int> cityLonDeg;
    std::vector<int> cityLonMin;
    std::vector<char> cityLonLetter;
    std::vector<double> cityTimeZone;
    std::vector<std::string> cityZone;
    std::vector<bool> cityUsable;  // false for a line that does not read as a city

    std::size_t size() const { return cityNames.size(); }
    bool empty() const { return cityNames.empty(); }
    void Append(const CityRow& row);  // a usable row
    // A row for a line that is no city: the name given (may be empty), zero values, unusable.
    void AppendUnusable(const std::string& name);
    void AppendUnusableRows(std::size_t count);  // count unusable rows without a name
    void SetRow(std::size_t index, const CityRow& row);  // makes row index (< size()) that city
    bool Usable(std::size_t index) const { return index < size() && cityUsable[index]; }
    CityRow Row(std::size_t index) const;  // index < size()
};

// One line (without its line end) read as a city: row, or the reason there is none.
struct CityLine {
    std::optional<CityRow> row;
    std::string problem;  // set when row is empty, e.g. "latitude minutes 75 not below 60"
    std::string name;     // the text before the first tab (the whole line without a tab)
};
CityLine ReadCityLine(std::string_view line);

// The row of ReadCityLine; empty when the line has no tab, when the seven fields do not all
// read (a missing field, a number that does not fit an int, a time zone that is not a finite
// number) or when a value is out of range. The name is taken byte for byte.
std::optional<CityRow> ParseCityLine(std::string_view line);

struct CityLoadResult {
    bool opened = false;           // false: the file could not be read, the table is unchanged
    std::size_t rowsAdded = 0;     // one per line, usable or not
    std::size_t linesUnusable = 0;  // rows added as unusable
};

// The largest city file read (the shipped one is about 130 KB).
inline constexpr std::size_t kMaxCityFileBytes = std::size_t{512} << 20;

// Appends a row for every line of the file, in file order. A missing file leaves the table
// alone and says nothing; a file that cannot be read (a folder, a FIFO, a device, a read
// error, too large) leaves it alone and says so in one line on errors. Each unusable line is
// reported as "<file>:<line>: <problem>" (the first few of them; then a count). Names are
// stored as UTF-8: a file that is not valid UTF-8 is read as Latin-1. A byte-order mark at
// the start is skipped. When echo is not null, every line read is written to it unchanged
// (with its line feed when it had one): the trace of the loader.
CityLoadResult LoadCityTable(const std::filesystem::path& path, CityTable& table,
                             std::ostream* echo, std::ostream& errors);
// The same from the file's bytes already in memory; sourceName names the file in messages.
CityLoadResult LoadCityText(std::string_view text, std::string_view sourceName, CityTable& table,
                            std::ostream* echo, std::ostream& errors);
// The same, reporting on the standard error stream.
CityLoadResult LoadCityTable(const std::filesystem::path& path, CityTable& table,
                             std::ostream* echo);

// For a program that needs one city only (the default one): every line still takes its row,
// but only line `row` (counted from 0) is read as a city; every other row is an unusable row
// without a name, and nothing is reported. About a third of the work of a whole table.
CityLoadResult LoadOneCityRow(const std::filesystem::path& path, std::size_t row, CityTable& table);

}  // namespace chronel
