#pragma once
// Collects one record's fields as a CSV row (RFC 4180). The column names are the keys of the
// enclosing objects joined with dots ("gregorian.day"); an element of an array is named by its
// position from 0 ("localDates.0.region").

#include <string>
#include <vector>

#include "app/cli/field_sink.h"

namespace chronel {

class CsvSink : public FieldSink {
public:
    // Starts a new record; the names are collected again only for the first one.
    void BeginRecord();
    const std::vector<std::string>& ColumnNames() const { return m_names; }
    // The record's values, by column.
    std::vector<std::string> Values() const { return {m_values.begin(), m_values.begin() + static_cast<std::ptrdiff_t>(m_count)}; }
    // The row of the record, fields separated by commas, ended by CRLF, appended to out.
    void AppendRow(std::string& out) const;
    void AppendHeader(std::string& out) const;
    // Empties the values of columns [first, last) of the record (a row that has no such data).
    void BlankValues(std::size_t first, std::size_t last);
    std::size_t FieldCount() const { return m_count; }

    void BeginObject(std::string_view key) override;
    void EndObject() override;
    void BeginArray(std::string_view key) override;
    void EndArray() override;
    void Text(std::string_view key, std::string_view value) override;
    void Number(std::string_view key, double value) override;
    void Null(std::string_view key) override;
    void Bool(std::string_view key, bool value) override;
    bool Tabular() const override { return true; }

private:
    struct Level {
        std::string path;   // the prefix of every column inside, with its trailing dot
        bool array = false;
        int next = 0;       // position of the next element of an array
    };
    std::string Name(std::string_view key);  // the column name of key at the current level
    void Field(std::string_view key, std::string_view value);

    std::vector<Level> m_levels;
    std::vector<std::string> m_names;
    std::vector<std::string> m_values;  // the first m_count belong to the record
    std::size_t m_count = 0;
    bool m_collectNames = true;
};

}  // namespace chronel
