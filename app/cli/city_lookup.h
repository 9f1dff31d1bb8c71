#pragma once
// Finding a city of the table by the name the window shows for it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "locations/core/city_table.h"

namespace chronel {

// The first row whose name is exactly name.
std::optional<std::size_t> FindCityByName(const CityTable& table, std::string_view name);

// Up to count names of the table closest to name: case-insensitive edit distance to the whole
// name or to the part before a country in brackets, nearest first, ties in table order.
std::vector<std::string> CloseCityNames(const CityTable& table, std::string_view name, std::size_t count);

}  // namespace chronel
