#include "app/cli/city_lookup.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace chronel {
namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Levenshtein distance, one row of the table at a time.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::optional<std::size_t> FindCityByName(const CityTable& table, std::string_view name) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table.cityNames[i] == name) return i;
    return std::nullopt;
}

std::vector<std::string> CloseCityNames(const CityTable& table, std::string_view name, std::size_t count) {
    const std::string wanted = Lower(name);
    std::vector<std::pair<std::size_t, std::size_t>> scored;  // distance, row
    scored.reserve(table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string candidate = Lower(table.cityNames[i]);
        std::size_t distance = EditDistance(wanted, candidate);
        if (const auto bracket = candidate.find(" ("); bracket != std::string::npos)
            distance = std::min(distance, EditDistance(wanted, std::string_view(candidate).substr(0, bracket)));
        scored.emplace_back(distance, i);
    }
    const std::size_t n = std::min(count, scored.size());
    std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(n), scored.end());
    std::vector<std::string> names;
    for (std::size_t k = 0; k < n; ++k) names.push_back(table.cityNames[scored[k].second]);
    return names;
}

}  // namespace chronel
