#include "app/cli/csv_sink.h"

#include "app/cli/json_sink.h"
#include "platform/core/csv_field.h"

namespace chronel {

void CsvSink::BeginRecord() {
    if (!m_names.empty()) m_collectNames = false;
    m_count = 0;
    m_levels.clear();
}

void CsvSink::AppendRow(std::string& out) const {
    for (std::size_t i = 0; i < m_count; ++i) {
        if (i) out += ',';
        AppendCsvValue(out, m_values[i]);
    }
    out += "\r\n";
}

void CsvSink::AppendHeader(std::string& out) const {
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (i) out += ',';
        AppendCsvValue(out, m_names[i]);
    }
    out += "\r\n";
}

void CsvSink::BlankValues(std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last && i < m_count; ++i) m_values[i].clear();
}

std::string CsvSink::Name(std::string_view key) {
    if (m_levels.empty()) return std::string(key);
    Level& level = m_levels.back();
    if (level.array) return level.path + std::to_string(level.next++);
    return level.path + std::string(key);
}

void CsvSink::Field(std::string_view key, std::string_view value) {
    // The names are those of the first record; later records only fill the values, in the
    // strings kept from the record before.
    if (m_collectNames) m_names.push_back(Name(key));
    if (m_count == m_values.size()) m_values.emplace_back();
    m_values[m_count++].assign(value);
}

void CsvSink::BeginObject(std::string_view key) {
    if (!m_collectNames) return;
    const bool top = m_levels.empty() && key.empty();
    std::string path = top ? std::string() : Name(key) + '.';
    m_levels.push_back({std::move(path), false, 0});
}

void CsvSink::EndObject() {
    if (m_collectNames) m_levels.pop_back();
}

void CsvSink::BeginArray(std::string_view key) {
    if (m_collectNames) m_levels.push_back({Name(key) + '.', true, 0});
}

void CsvSink::EndArray() {
    if (m_collectNames) m_levels.pop_back();
}

void CsvSink::Text(std::string_view key, std::string_view value) { Field(key, value); }

void CsvSink::Number(std::string_view key, double value) {
    std::string text;
    AppendJsonNumber(text, value);
    Field(key, text == "null" ? std::string_view() : std::string_view(text));
}

void CsvSink::Null(std::string_view key) { Field(key, {}); }

void CsvSink::Bool(std::string_view key, bool value) { Field(key, value ? "true" : "false"); }

}  // namespace chronel
