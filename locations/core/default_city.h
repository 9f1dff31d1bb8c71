#pragma once
// The default city: the number in DefaultLoc.txt and the city the program starts with.

#include <filesystem>
#include <string>

#include "locations/core/city_table.h"
#include "locations/core/observer_place.h"

namespace chronel {

// The row shown when no default-location file exists: the 133rd line of the city file.
inline constexpr int kBuiltInDefaultCity = 132;

struct DefaultCityFile {
    enum class State {
        Missing,     // the file could not be opened
        NotANumber,  // opened, but its first non-blank text is not a decimal int
        Number,
    };
    State state = State::Missing;
    int number = 0;  // meaningful when state is Number
};

// Skips leading white space and reads the first decimal integer (optional sign), as the
// format "%d" does; whatever follows it is ignored. A number that does not fit an int counts
// as not a number.
DefaultCityFile ReadDefaultCityFile(const std::filesystem::path& path);

// What the main window starts with.
struct StartupLocation {
    bool hasCity = false;  // false only when the city table is empty
    // g_defaultCity and g_selectedCity. With a city, the row shown; "Set as default Location"
    // before any pick then stores the city the window shows. Without one, the number to keep:
    // the file's number, else 132, so such a save writes back what was stored.
    int defaultCity = kBuiltInDefaultCity;
    int selectedCity = kBuiltInDefaultCity;
    ObserverPlace observer;  // latitude 0, longitude 0, time zone 0 without a city
    std::string cityName;    // the text of the location-name button; empty without a city
};

// The row named by the file (132 when the file is missing); row 0 instead when that row is
// outside the table or the file does not hold a number; no city when the table is empty.
StartupLocation ChooseStartupLocation(const CityTable& table, const DefaultCityFile& file);

}  // namespace chronel
