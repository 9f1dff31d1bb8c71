// Any bytes as DefaultLoc.txt, against a table whose built-in row and some others are no
// city: the start-up row is always a usable row of the table.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "fuzz_check.h"
#include "locations/core/default_city.h"

namespace {

chronel::CityTable MakeTable(std::size_t rows, bool builtInUsable) {
    chronel::CityTable table;
    for (std::size_t i = 0; i < rows; ++i) {
        if (i % 7 == 3 || (i == chronel::kBuiltInDefaultCity && !builtInUsable))
            table.AppendUnusable("broken");
        else
            table.Append({"City", 51, 30, 'N', 0, 7, 'W', 0.0});
    }
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace chronel;
    static const CityTable tables[] = {MakeTable(200, true), MakeTable(200, false), MakeTable(5, true),
                                       MakeTable(0, true)};
    const std::string_view text(reinterpret_cast<const char*>(data),
                                size < kDefaultCityFileMaxBytes ? size : kDefaultCityFileMaxBytes);
    DefaultCityFile file = ParseDefaultCityText(text);
    file.source = "D.txt";
    FUZZ_CHECK(file.state == DefaultCityFile::State::Number ||
               file.state == DefaultCityFile::State::NotANumber);
    for (const CityTable& table : tables) {
        std::ostringstream errors;
        const StartupLocation start = ChooseStartupLocation(table, file, errors);
        if (!start.hasCity) continue;
        FUZZ_CHECK(table.Usable(static_cast<std::size_t>(start.defaultCity)));
        FUZZ_CHECK(start.selectedCity == start.defaultCity);
        const bool asked = file.state == DefaultCityFile::State::Number && file.number == start.defaultCity;
        FUZZ_CHECK(asked == errors.str().empty());
    }
    return 0;
}
