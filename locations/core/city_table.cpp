#include "locations/core/city_table.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <system_error>

#include "locations/core/observer_place.h"
#include "platform/core/safe_read.h"
#include "platform/core/text_encoding.h"
#include "platform/core/text_lines.h"

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

    std::string_view Rest() const { return text_.substr(pos_); }

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

// The shape of a tz database id ("UTC", "Europe/London", "America/Argentina/Buenos_Aires",
// "Etc/GMT+5"): an upper-case letter, then letters, digits and "/_+-"; no empty part.
bool LooksLikeZoneId(std::string_view word) {
    if (word.empty() || word.size() > 64 || word.front() < 'A' || word.front() > 'Z') return false;
    if (word.back() == '/' || word.find("//") != std::string_view::npos) return false;
    for (char c : word) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                        c == '/' || c == '_' || c == '+' || c == '-';
        if (!ok) return false;
    }
    return true;
}

// The zone id after the time zone: separated from it by a blank, ended by a blank or the line.
std::string ZoneIdAfter(std::string_view rest) {
    if (rest.empty() || (rest.front() != ' ' && rest.front() != '\t')) return {};
    std::size_t start = 0;
    while (start < rest.size() && (rest[start] == ' ' || rest[start] == '\t')) ++start;
    std::size_t end = start;
    while (end < rest.size() && !IsSpace(rest[end])) ++end;
    const std::string_view word = rest.substr(start, end - start);
    return LooksLikeZoneId(word) ? std::string(word) : std::string();
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Why the values of a row cannot be a place on the Earth; empty when they can.
std::string RangeProblem(const CityRow& row) {
    if (row.latMin < 0 || row.latMin >= 60)
        return "latitude minutes " + std::to_string(row.latMin) + " outside 0..59";
    if (row.lonMin < 0 || row.lonMin >= 60)
        return "longitude minutes " + std::to_string(row.lonMin) + " outside 0..59";
    // Degrees first, so that DmsToDegrees sees no value near the int limits.
    if (row.latDeg < -90 || row.latDeg > 90 || std::fabs(DmsToDegrees(row.latDeg, row.latMin, 0)) > 90.0)
        return "latitude " + std::to_string(row.latDeg) + " " + std::to_string(row.latMin) +
               "' beyond 90 degrees";
    if (row.lonDeg < -180 || row.lonDeg > 180 ||
        std::fabs(DmsToDegrees(row.lonDeg, row.lonMin, 0)) > 180.0)
        return "longitude " + std::to_string(row.lonDeg) + " " + std::to_string(row.lonMin) +
               "' beyond 180 degrees";
    if (std::fabs(row.timeZone) > 14.0) return "time zone " + Number(row.timeZone) + " h beyond 14 hours";
    return {};
}

CityLine Refuse(std::string name, std::string problem) {
    return CityLine{std::nullopt, std::move(problem), std::move(name)};
}

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
    cityZone.push_back(row.zone);
    cityUsable.push_back(true);
}

void CityTable::AppendUnusableRows(std::size_t count) {
    const std::size_t n = size() + count;
    cityNames.resize(n);
    cityLatDeg.resize(n, 0);
    cityLatMin.resize(n, 0);
    cityLatLetter.resize(n, 'N');
    cityLonDeg.resize(n, 0);
    cityLonMin.resize(n, 0);
    cityLonLetter.resize(n, 'E');
    cityTimeZone.resize(n, 0.0);
    cityZone.resize(n);
    cityUsable.resize(n, false);
}

void CityTable::SetRow(std::size_t index, const CityRow& row) {
    cityNames[index] = row.name;
    cityLatDeg[index] = row.latDeg;
    cityLatMin[index] = row.latMin;
    cityLatLetter[index] = row.latLetter;
    cityLonDeg[index] = row.lonDeg;
    cityLonMin[index] = row.lonMin;
    cityLonLetter[index] = row.lonLetter;
    cityTimeZone[index] = row.timeZone;
    cityZone[index] = row.zone;
    cityUsable[index] = true;
}

void CityTable::AppendUnusable(const std::string& name) {
    CityRow row;
    row.name = name;
    Append(row);
    cityUsable.back() = false;
}

CityRow CityTable::Row(std::size_t index) const {
    return CityRow{cityNames[index],     cityLatDeg[index],  cityLatMin[index],
                   cityLatLetter[index], cityLonDeg[index],  cityLonMin[index],
                   cityLonLetter[index], cityTimeZone[index], cityZone[index]};
}

CityLine ReadCityLine(std::string_view line) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return Refuse(std::string(line), "no tab after the name");
    std::string name(line.substr(0, tab));

    std::size_t start = tab;
    while (start < line.size() && (line[start] == '\t' || line[start] == ' ' || line[start] == ','))
        ++start;

    FieldReader in(line.substr(start));
    const auto latDeg = in.Int();
    if (!latDeg) return Refuse(std::move(name), "latitude degrees missing or not a whole number");
    const auto latMin = in.Int();
    if (!latMin) return Refuse(std::move(name), "latitude minutes missing or not a whole number");
    const auto latLetter = in.Letter();
    if (!latLetter) return Refuse(std::move(name), "latitude letter missing");
    const auto lonDeg = in.Int();
    if (!lonDeg) return Refuse(std::move(name), "longitude degrees missing or not a whole number");
    const auto lonMin = in.Int();
    if (!lonMin) return Refuse(std::move(name), "longitude minutes missing or not a whole number");
    const auto lonLetter = in.Letter();
    if (!lonLetter) return Refuse(std::move(name), "longitude letter missing");
    const auto timeZone = in.Number();
    if (!timeZone) return Refuse(std::move(name), "time zone missing or not a finite number");

    CityRow row{name,       *latDeg,    *latMin,   *latLetter,           *lonDeg,
                *lonMin,    *lonLetter, *timeZone, ZoneIdAfter(in.Rest())};
    std::string problem = RangeProblem(row);
    if (!problem.empty()) return Refuse(std::move(name), std::move(problem));
    return CityLine{std::move(row), {}, std::move(name)};
}

std::optional<CityRow> ParseCityLine(std::string_view line) { return ReadCityLine(line).row; }

CityLoadResult LoadCityTable(const std::filesystem::path& path, CityTable& table,
                             std::ostream* echo, std::ostream& errors) {
    CityLoadResult result;
    const FileText file = ReadRegularFile(path, kMaxCityFileBytes);
    if (file.state == FileText::State::Missing) return result;
    if (file.state == FileText::State::Unreadable) {
        errors << path.string() << ": " << file.problem << "; no cities loaded\n";
        return result;
    }
    if (file.truncated) {
        errors << path.string() << ": larger than " << (kMaxCityFileBytes >> 20)
               << " MiB; no cities loaded\n";
        return result;
    }
    return LoadCityText(file.text, path.string(), table, echo, errors);
}

CityLoadResult LoadCityText(std::string_view text, std::string_view sourceName, CityTable& table,
                            std::ostream* echo, std::ostream& errors) {
    CityLoadResult result;
    result.opened = true;

    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    const bool utf8 = IsValidUtf8(text);
    const auto asStored = [utf8](const std::string& name) { return utf8 ? name : Latin1ToUtf8(name); };

    // Enough messages to find the damage, not one per line of a file that is all damage.
    constexpr std::size_t kMessagesShown = 20;
    TextLines lines(text, kMaxDataLineLength);
    TextLine line;
    std::size_t lineNumber = 0;
    while (lines.Next(line)) {
        ++lineNumber;
        if (echo) {
            std::string_view shown = line.raw;
            if (!shown.empty() && shown.back() == '\r') shown.remove_suffix(1);
            *echo << shown;
            if (line.hadLineFeed) *echo << '\n';
        }
        CityLine city = line.tooLong
                            ? CityLine{std::nullopt,
                                       "line longer than " + std::to_string(kMaxDataLineLength) + " bytes",
                                       {}}
                            : ReadCityLine(line.text);
        ++result.rowsAdded;
        if (city.row) {
            city.row->name = asStored(city.row->name);
            table.Append(*city.row);
            continue;
        }
        table.AppendUnusable(asStored(city.name));
        if (++result.linesUnusable <= kMessagesShown)
            errors << sourceName << ':' << lineNumber << ": " << city.problem
                   << "; the row is not offered\n";
    }
    if (result.linesUnusable > kMessagesShown)
        errors << sourceName << ": " << result.linesUnusable - kMessagesShown
               << " more lines that are no city\n";
    return result;
}

CityLoadResult LoadOneCityRow(const std::filesystem::path& path, std::size_t row, CityTable& table) {
    CityLoadResult result;
    const FileText file = ReadRegularFile(path, kMaxCityFileBytes);
    if (file.state != FileText::State::Read || file.truncated) return result;
    result.opened = true;
    std::string_view text = file.text;
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    TextLines lines(text, kMaxDataLineLength);
    TextLine line;
    std::optional<CityRow> wanted;
    for (std::size_t index = 0; lines.Next(line); ++index) {
        ++result.rowsAdded;
        if (index == row && !line.tooLong) wanted = ReadCityLine(line.text).row;
    }
    // Every row but the wanted one is an unusable row without a name, made in one go.
    const std::size_t first = table.size();
    table.AppendUnusableRows(result.rowsAdded);
    result.linesUnusable = result.rowsAdded;
    if (wanted && row < result.rowsAdded) {
        wanted->name = AsUtf8(wanted->name);
        table.SetRow(first + row, *wanted);
        --result.linesUnusable;
    }
    return result;
}

CityLoadResult LoadCityTable(const std::filesystem::path& path, CityTable& table,
                             std::ostream* echo) {
    return LoadCityTable(path, table, echo, std::cerr);
}

}  // namespace chronel
