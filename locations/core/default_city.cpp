#include "locations/core/default_city.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <system_error>

#include "platform/core/safe_read.h"
#include "platform/core/text_encoding.h"

namespace chronel {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Why row cannot be the default city; empty when it can.
std::string RowProblem(const CityTable& table, int row) {
    if (row < 0) return "row " + std::to_string(row) + " is not a row number";
    if (static_cast<std::size_t>(row) >= table.size())
        return "row " + std::to_string(row) + " is past the end of the city table (" +
               std::to_string(table.size()) + " rows)";
    if (!table.Usable(static_cast<std::size_t>(row)))
        return "row " + std::to_string(row) + " (line " + std::to_string(row + 1) +
               " of the city file) is no usable city";
    return {};
}

std::optional<int> FirstUsableRow(const CityTable& table) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table.Usable(i)) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace

DefaultCityFile ReadDefaultCityFile(const std::filesystem::path& path) {
    DefaultCityFile result;
    result.source = path.string();
    const FileText file = ReadRegularFile(path, kDefaultCityFileMaxBytes);
    if (file.state == FileText::State::Missing) return result;
    if (file.state == FileText::State::Unreadable) {
        result.state = DefaultCityFile::State::Unreadable;
        result.problem = file.problem;
        return result;
    }

    DefaultCityFile parsed = ParseDefaultCityText(file.text);
    parsed.source = result.source;
    return parsed;
}

DefaultCityFile ParseDefaultCityText(std::string_view text) {
    DefaultCityFile result;
    result.state = DefaultCityFile::State::NotANumber;
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    // from_chars takes a '-' but no '+'.
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    int value = 0;
    const std::errc ec = std::from_chars(text.data(), text.data() + text.size(), value).ec;
    if (ec == std::errc()) {
        result.state = DefaultCityFile::State::Number;
        result.number = value;
    }
    return result;
}

StartupLocation ChooseStartupLocation(const CityTable& table, const DefaultCityFile& file,
                                      std::ostream& errors) {
    using State = DefaultCityFile::State;
    StartupLocation start;
    const int wanted = file.state == State::Number ? file.number : kBuiltInDefaultCity;

    if (table.empty()) {
        start.defaultCity = start.selectedCity = wanted;
        return start;
    }

    std::string problem;
    if (file.state == State::Unreadable) problem = file.problem;
    if (file.state == State::NotANumber) problem = "holds no row number";
    if (problem.empty()) problem = RowProblem(table, wanted);

    int row = wanted;
    if (!problem.empty()) {
        const std::optional<int> fallback = table.Usable(kBuiltInDefaultCity)
                                                ? std::optional<int>(kBuiltInDefaultCity)
                                                : FirstUsableRow(table);
        const std::string name = file.source.empty() ? std::string("default-location file") : file.source;
        errors << name << ": ";
        if (file.state == State::Missing) errors << "missing, and the built-in " ;
        errors << problem;
        if (!fallback) {
            errors << "; the city table holds no usable city\n";
            start.defaultCity = start.selectedCity = wanted;
            return start;
        }
        if (*fallback == kBuiltInDefaultCity)
            errors << "; using the built-in default city\n";
        else
            errors << "; using row " << *fallback << " ("
                   << table.cityNames[static_cast<std::size_t>(*fallback)] << ")\n";
        row = *fallback;
    }

    start.hasCity = true;
    start.defaultCity = start.selectedCity = row;
    start.observer = *SetObserverFromCity(table, row);
    start.cityName = table.cityNames[static_cast<std::size_t>(row)];
    return start;
}

}  // namespace chronel
