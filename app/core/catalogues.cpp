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

}  // namespace chronel
