// Any bytes as a city file: one row per line, columns of equal length, usable rows on the
// Earth, names in UTF-8.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "fuzz_check.h"
#include "locations/core/city_table.h"
#include "locations/core/observer_place.h"
#include "platform/core/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace chronel;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CityTable table;
    std::ostringstream echo, errors;
    const CityLoadResult result = LoadCityText(text, "C.txt", table, &echo, errors);

    std::string_view body = text;
    if (body.starts_with(kUtf8ByteOrderMark)) body.remove_prefix(kUtf8ByteOrderMark.size());
    std::size_t lines = 0;
    for (std::size_t i = 0; i < body.size(); ++i)
        if (body[i] == '\n') ++lines;
    if (!body.empty() && body.back() != '\n') ++lines;
    FUZZ_CHECK(result.rowsAdded == lines);
    FUZZ_CHECK(table.size() == lines);
    FUZZ_CHECK(table.cityZone.size() == lines && table.cityUsable.size() == lines &&
               table.cityTimeZone.size() == lines && table.cityLatDeg.size() == lines);
    std::size_t unusable = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        FUZZ_CHECK(IsValidUtf8(table.cityNames[i]));
        if (!table.Usable(i)) {
            ++unusable;
            continue;
        }
        const auto place = SetObserverFromCity(table, static_cast<int>(i));
        FUZZ_CHECK(place.has_value());
        FUZZ_CHECK(std::fabs(place->latitude) <= 90.0 && std::fabs(place->longitude) <= 180.0);
        FUZZ_CHECK(std::fabs(place->timeZone) <= 14.0);
    }
    FUZZ_CHECK(unusable == result.linesUnusable);
    return 0;
}
