#include "locations/core/default_city.h"

#include <cctype>
#include <charconv>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <system_error>

namespace chronel {

DefaultCityFile ReadDefaultCityFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};

    DefaultCityFile result;
    result.state = DefaultCityFile::State::NotANumber;
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    // from_chars takes a '-' but no '+'.
    if (pos + 1 < text.size() && text[pos] == '+' && text[pos + 1] != '-') ++pos;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data() + pos, text.data() + text.size(), value);
    if (ec == std::errc()) {
        result.state = DefaultCityFile::State::Number;
        result.number = value;
    }
    return result;
}

StartupLocation ChooseStartupLocation(const CityTable& table, const DefaultCityFile& file) {
    StartupLocation start;
    bool wanted = true;
    int index = kBuiltInDefaultCity;
    if (file.state == DefaultCityFile::State::Number) index = file.number;
    if (file.state == DefaultCityFile::State::NotANumber) wanted = false;

    if (table.empty()) {
        start.defaultCity = start.selectedCity = index;
        return start;
    }
    if (!wanted || index < 0 || static_cast<std::size_t>(index) >= table.size()) index = 0;

    start.hasCity = true;
    start.defaultCity = start.selectedCity = index;
    start.observer = *SetObserverFromCity(table, index);
    start.cityName = table.cityNames[static_cast<std::size_t>(index)];
    return start;
}

}  // namespace chronel
