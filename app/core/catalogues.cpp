#include "app/core/catalogues.h"

#include "history/core/transitions_file.h"
#include "locations/core/default_city_paths.h"
#include "platform/core/data_dir.h"

namespace chronel {

Catalogues LoadCatalogues(std::ostream& errors, std::ostream* trace) {
    Catalogues c;
    LoadCityTable(DataFile("CitiesDMS.txt"), c.cities, trace);
    c.startup = ChooseStartupLocation(c.cities, ReadDefaultCityFile(CurrentDefaultCityPaths().read));
    FillEraList(c.eras);
    FillStyleList(c.styles);
    LoadTransitions(DataFile("Transitions.txt"), c.regions, errors);
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
