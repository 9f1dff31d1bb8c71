#include "app/cli/csv_sink.h"

#include "app/cli/json_sink.h"

namespace chronel {

void AppendCsvField(std::string& out, std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += value;
        return;
    }
    out += '"';
    for (const char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void CsvSink::BeginRecord() {
    if (!m_values.empty()) m_collectNames = false;
    m_values.clear();
    m_levels.clear();
}

static void AppendFields(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        AppendCsvField(out, fields[i]);
    }
    out += "\r\n";
}

void CsvSink::AppendRow(std::string& out) const { AppendFields(out, m_values); }
void CsvSink::AppendHeader(std::string& out) const { AppendFields(out, m_names); }

std::string CsvSink::Name(std::string_view key) {
    if (m_levels.empty()) return std::string(key);
    Level& level = m_levels.back();
    if (level.array) return level.path + std::to_string(level.next++);
    return level.path + std::string(key);
}

void CsvSink::Field(std::string_view key, std::string value) {
    std::string name = Name(key);
    if (m_collectNames) m_names.push_back(std::move(name));
    m_values.push_back(std::move(value));
}

void CsvSink::BeginObject(std::string_view key) {
    const bool top = m_levels.empty() && key.empty();
    std::string path = top ? std::string() : Name(key) + '.';
    m_levels.push_back({std::move(path), false, 0});
}

void CsvSink::EndObject() { m_levels.pop_back(); }

void CsvSink::BeginArray(std::string_view key) { m_levels.push_back({Name(key) + '.', true, 0}); }

void CsvSink::EndArray() { m_levels.pop_back(); }

void CsvSink::Text(std::string_view key, std::string_view value) { Field(key, std::string(value)); }

void CsvSink::Number(std::string_view key, double value) {
    std::string text;
    AppendJsonNumber(text, value);
    if (text == "null") text.clear();
    Field(key, std::move(text));
}

void CsvSink::Null(std::string_view key) { Field(key, std::string()); }

}  // namespace chronel
