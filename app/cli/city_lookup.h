#pragma once
// Finding a city of the table by the name the window shows for it.

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "locations/core/city_table.h"

namespace chronel {

// The first row whose name is exactly name.
std::optional<std::size_t> FindCityByName(const CityTable& table, std::string_view name);

// Up to count of the names closest to name: case-insensitive edit distance to the whole name or
// to the part before a country in brackets, nearest first, ties in the order given.
template <class Names>
std::vector<std::string> CloseNames(const Names& names, std::string_view name, std::size_t count);

// message, then "; close names: " and up to five of the names closest to name (for an unknown
// city or region).
template <class Names>
std::string WithCloseNames(std::string message, const Names& names, std::string_view name) {
    const std::vector<std::string> close = CloseNames(names, name, 5);
    for (std::size_t i = 0; i < close.size(); ++i) message += (i ? ", " : "; close names: ") + close[i];
    return message;
}

// Case-insensitive edit distance of name to candidate or to candidate's part before " (".
std::size_t NameDistance(std::string_view name, std::string_view candidate);

template <class Names>
std::vector<std::string> CloseNames(const Names& names, std::string_view name, std::size_t count) {
    std::vector<std::pair<std::size_t, std::size_t>> scored;  // distance, position
    std::size_t position = 0;
    for (const auto& candidate : names) scored.emplace_back(NameDistance(name, candidate), position++);
    const std::size_t n = std::min(count, scored.size());
    std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(n), scored.end());
    std::vector<std::string> close;
    for (std::size_t k = 0; k < n; ++k) close.emplace_back(*std::next(std::begin(names), static_cast<std::ptrdiff_t>(scored[k].second)));
    return close;
}

}  // namespace chronel
