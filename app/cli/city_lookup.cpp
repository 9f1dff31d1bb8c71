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
        if (table.Usable(i) && table.cityNames[i] == name) return i;
    return std::nullopt;
}

std::size_t NameDistance(std::string_view name, std::string_view candidate) {
    const std::string wanted = Lower(name);
    const std::string lower = Lower(candidate);
    std::size_t distance = EditDistance(wanted, lower);
    if (const auto bracket = lower.find(" ("); bracket != std::string::npos)
        distance = std::min(distance, EditDistance(wanted, std::string_view(lower).substr(0, bracket)));
    return distance;
}

}  // namespace chronel
