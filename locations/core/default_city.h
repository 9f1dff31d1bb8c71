#pragma once
// The default city: the number in DefaultLoc.txt and the city the program starts with.

#include <cstddef>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "locations/core/city_table.h"
#include "locations/core/observer_place.h"

namespace chronel {

// The row shown when no default-location file exists: the 133rd line of the city file.
inline constexpr int kBuiltInDefaultCity = 132;

// The file holds one number; no more than this is read of it.
inline constexpr std::size_t kDefaultCityFileMaxBytes = 64;

struct DefaultCityFile {
    enum class State {
        Missing,     // no such file
        Unreadable,  // a folder, a FIFO, a device, a read error: see problem
        NotANumber,  // read, but its first non-blank text is not a decimal int
        Number,
    };
    State state = State::Missing;
    int number = 0;       // meaningful when state is Number
    std::string source{};   // the file's name for messages
    std::string problem{};  // with Unreadable, e.g. "is a directory"
};

// Reads the first kDefaultCityFileMaxBytes bytes of the file, never more, and never a file
// that is not a regular file. Skips a UTF-8 byte-order mark and leading white space and reads
// the first decimal integer (optional sign), as the format "%d" does; whatever follows it is
// ignored. A number that does not fit an int counts as not a number.
DefaultCityFile ReadDefaultCityFile(const std::filesystem::path& path);

// The reading of the number alone, from the file's first bytes: NotANumber or Number.
DefaultCityFile ParseDefaultCityText(std::string_view text);

// What the main window starts with.
struct StartupLocation {
    bool hasCity = false;  // false only when the city table has no usable row
    // g_defaultCity and g_selectedCity. With a city, the row shown; "Set as default Location"
    // before any pick then stores the city the window shows. Without one, the number to keep:
    // the file's number, else 132, so such a save writes back what was stored.
    int defaultCity = kBuiltInDefaultCity;
    int selectedCity = kBuiltInDefaultCity;
    ObserverPlace observer;  // latitude 0, longitude 0, time zone 0 without a city
    std::string cityName;    // the text of the location-name button; empty without a city
};

// The row named by the file, or row 132 when the file is missing. When the file names no
// usable row (unreadable, no number, a row outside the table or one whose line is no city),
// the built-in row 132, or the first usable row when 132 is not one; this fall-back is told in
// one line on errors ("Data/DefaultLoc.txt: is a directory; using the built-in default city").
// No city when the table has no usable row.
StartupLocation ChooseStartupLocation(const CityTable& table, const DefaultCityFile& file,
                                      std::ostream& errors = std::cerr);

}  // namespace chronel
