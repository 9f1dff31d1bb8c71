#include "locations/core/city_table.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <system_error>

namespace chronel {
namespace {

// The white space that a formatted read skips before a field.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads fields one after another the way the format "%d %d %c %d %d %c %lf" does, but refuses
// what that format would leave undefined (an int out of range) or half-read.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::optional<int> Int() {
        SkipSpace();
        const std::size_t start = SkipPlus();
        int value = 0;
        const auto [end, ec] =
            std::from_chars(text_.data() + start, text_.data() + text_.size(), value);
        if (ec != std::errc()) return std::nullopt;
        pos_ = static_cast<std::size_t>(end - text_.data());
        return value;
    }

    std::optional<char> Letter() {
        SkipSpace();
        if (pos_ >= text_.size()) return std::nullopt;
        return text_[pos_++];
    }

    std::optional<double> Number() {
        SkipSpace();
        const std::size_t start = SkipPlus();
        double value = 0.0;
        const auto [end, ec] = std::from_chars(text_.data() + start, text_.data() + text_.size(),
                                               value, std::chars_format::general);
        if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
        pos_ = static_cast<std::size_t>(end - text_.data());
        return value;
    }

private:
    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    }

    // from_chars takes a '-' but no '+': step over a '+' unless a '-' follows it (one sign).
    std::size_t SkipPlus() const {
        if (pos_ + 1 < text_.size() && text_[pos_] == '+' && text_[pos_ + 1] != '-')
            return pos_ + 1;
        return pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

void CityTable::Append(const CityRow& row) {
    cityNames.push_back(row.name);
    cityLatDeg.push_back(row.latDeg);
    cityLatMin.push_back(row.latMin);
    cityLatLetter.push_back(row.latLetter);
    cityLonDeg.push_back(row.lonDeg);
    cityLonMin.push_back(row.lonMin);
    cityLonLetter.push_back(row.lonLetter);
    cityTimeZone.push_back(row.timeZone);
}

CityRow CityTable::Row(std::size_t index) const {
    return CityRow{cityNames[index],    cityLatDeg[index],    cityLatMin[index],
                   cityLatLetter[index], cityLonDeg[index],   cityLonMin[index],
                   cityLonLetter[index], cityTimeZone[index]};
}

std::optional<CityRow> ParseCityLine(std::string_view line) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;

    std::size_t start = tab;
    while (start < line.size() && (line[start] == '\t' || line[start] == ' ' || line[start] == ','))
        ++start;

    FieldReader in(line.substr(start));
    const auto latDeg = in.Int();
    const auto latMin = latDeg ? in.Int() : std::nullopt;
    const auto latLetter = latMin ? in.Letter() : std::nullopt;
    const auto lonDeg = latLetter ? in.Int() : std::nullopt;
    const auto lonMin = lonDeg ? in.Int() : std::nullopt;
    const auto lonLetter = lonMin ? in.Letter() : std::nullopt;
    const auto timeZone = lonLetter ? in.Number() : std::nullopt;
    if (!timeZone) return std::nullopt;

    return CityRow{std::string(line.substr(0, tab)), *latDeg, *latMin, *latLetter, *lonDeg,
                   *lonMin, *lonLetter, *timeZone};
}

CityLoadResult LoadCityTable(const std::filesystem::path& path, CityTable& table,
                             std::ostream* echo) {
    CityLoadResult result;
    std::ifstream file(path, std::ios::binary);
    if (!file) return result;
    result.opened = true;

    std::string line;
    while (std::getline(file, line)) {
        const bool hadLineFeed = !file.eof();
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (echo) {
            *echo << line;
            if (hadLineFeed) *echo << '\n';
        }
        if (auto row = ParseCityLine(line)) {
            table.Append(*row);
            ++result.rowsAdded;
        } else {
            ++result.linesSkipped;
        }
    }
    return result;
}

}  // namespace chronel
