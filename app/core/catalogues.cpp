#include "app/core/catalogues.h"

#include "history/core/transitions_file.h"
#include "locations/core/default_city_paths.h"
#include "platform/core/data_dir.h"

namespace chronel {

Catalogues LoadCatalogues(std::ostream& errors, std::ostream* trace, CityNeed need) {
    Catalogues c;
    const DefaultCityFile defaultFile = ReadDefaultCityFile(CurrentDefaultCityPaths().read);
    // The row the window would start on when that row is a city; otherwise the whole table
    // decides (and its problems are reported).
    std::optional<std::size_t> row;
    if (defaultFile.state == DefaultCityFile::State::Number && defaultFile.number >= 0)
        row = static_cast<std::size_t>(defaultFile.number);
    if (defaultFile.state == DefaultCityFile::State::Missing) row = kBuiltInDefaultCity;
    bool loaded = false;
    if (need == CityNeed::DefaultCityOnly && row) {
        LoadOneCityRow(DataFile("CitiesDMS.txt"), *row, c.cities);
        loaded = c.cities.Usable(*row);
        c.allCities = !loaded;
        if (!loaded) c.cities = CityTable();
    }
    if (!loaded) LoadCityTable(DataFile("CitiesDMS.txt"), c.cities, trace, errors);
    c.startup = ChooseStartupLocation(c.cities, defaultFile, errors);
    FillEraList(c.eras);
    FillStyleList(c.styles);
    LoadTransitions(DataFile("Transitions.txt"), c.regions, errors);
    return c;
}

Catalogues WithAllCities(const Catalogues& catalogues, std::ostream& errors, std::ostream* trace) {
    Catalogues c = catalogues;
    if (c.allCities) return c;
    c.cities = CityTable();
    LoadCityTable(DataFile("CitiesDMS.txt"), c.cities, trace, errors);
    c.allCities = true;
    return c;
}

std::optional<DayPlace> CityPlace(const Catalogues& c, std::size_t row) {
    if (row >= c.cities.size() || !c.cities.Usable(row)) return std::nullopt;
    const auto position = SetObserverFromCity(c.cities, static_cast<int>(row));
    if (!position) return std::nullopt;
    return DayPlace{*position, c.cities.cityNames[row], c.cities.cityZone[row]};
}

DayPlace StartupPlace(const Catalogues& c) {
    if (c.startup.hasCity)
        if (auto place = CityPlace(c, static_cast<std::size_t>(c.startup.selectedCity))) return *place;
    return {c.startup.observer, c.startup.cityName, {}};
}

}  // namespace chronel
