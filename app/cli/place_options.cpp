#include "app/cli/place_options.h"

#include "app/cli/city_lookup.h"

namespace chronel {
namespace {

double InRange(const std::string& text, const char* option, double limit, const char* unit) {
    const double value = ParseNumber(text, option);
    if (value < -limit || value > limit)
        throw UsageError(std::string(option) + " must be from -" + std::to_string(static_cast<int>(limit)) + " to " +
                         std::to_string(static_cast<int>(limit)) + unit + ": '" + text + "'");
    return value;
}

}  // namespace

bool NamesACity(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--city" || a.rfind("--city=", 0) == 0) return true;
    return false;
}

bool PlaceOptions::Take(ArgumentReader& in) {
    if (auto v = in.Option("--city")) {
        m_city = *v;
    } else if (auto v = in.Option("--lat")) {
        m_latitude = InRange(*v, "--lat", 90, "");
    } else if (auto v = in.Option("--lon")) {
        m_longitude = InRange(*v, "--lon", 180, "");
    } else if (auto v = in.Option("--tz")) {
        m_timeZone = InRange(*v, "--tz", 14, " hours");
    } else {
        return false;
    }
    return true;
}

DayPlace PlaceOptions::Resolve(const Catalogues& c) const {
    const bool coordinates = m_latitude || m_longitude || m_timeZone;
    if (m_city && coordinates) throw UsageError("give either --city or --lat/--lon/--tz, not both");
    if (coordinates && !(m_latitude && m_longitude && m_timeZone)) throw UsageError("--lat, --lon and --tz go together");
    if (coordinates) return {{*m_latitude, *m_longitude, *m_timeZone}, "", ""};
    if (!m_city) return StartupPlace(c);
    if (const auto row = FindCityByName(c.cities, *m_city))
        if (auto place = CityPlace(c, *row)) return *place;
    throw UsageError(WithCloseNames("unknown city '" + *m_city + "'", c.cities.cityNames, *m_city));
}

}  // namespace chronel
