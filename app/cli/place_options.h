#pragma once
// The place options that several subcommands share: --city NAME, or --lat DEG --lon DEG
// --tz HOURS together; none means the default city.

#include <optional>
#include <string>
#include <vector>

#include "app/cli/arguments.h"
#include "app/core/catalogues.h"
#include "app/core/day_query.h"

namespace chronel {

// Whether the arguments name a city (the whole city table is needed to find it).
bool NamesACity(const std::vector<std::string>& args);

class PlaceOptions {
public:
    // Takes the next argument when it is a place option; throws UsageError for a bad value.
    bool Take(ArgumentReader& in);
    // The place the options name. Throws UsageError for an unknown city (naming close ones), a
    // city together with coordinates, or coordinates that are not all three.
    DayPlace Resolve(const Catalogues& catalogues) const;

private:
    std::optional<std::string> m_city;
    std::optional<double> m_latitude, m_longitude, m_timeZone;
};

}  // namespace chronel
