#include "history/core/written_date_batch.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <istream>
#include <iterator>
#include <ostream>

#include "history/core/written_date_text.h"
#include "platform/core/csv_field.h"
#include "platform/core/text_encoding.h"

namespace chronel {
namespace {

constexpr std::array<std::string_view, 7> kResultColumns = {"readings", "julian_day",      "gregorian", "julian",
                                                            "others",   "weekday_matches", "problem"};

// One record of the input: its fields, or why it could not be read.
struct CsvRecord {
    std::vector<std::string> fields;
    std::string fault;  // empty for a well-formed record
};

// Reads RFC 4180 records from text in memory.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : m_text(text) {}

    // The next record that is not an empty line; nullopt at the end of the text.
    std::optional<CsvRecord> Next() {
        while (m_pos < m_text.size()) {
            if (m_text[m_pos] == '\n') {
                ++m_pos;
                continue;
            }
            if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n') {
                m_pos += 2;
                continue;
            }
            return Record();
        }
        return std::nullopt;
    }

private:
    bool AtRecordEnd() const {
        return m_pos >= m_text.size() || m_text[m_pos] == '\n' ||
               (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n');
    }
    void SkipRecordEnd() {
        if (m_pos < m_text.size() && m_text[m_pos] == '\r') ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '\n') ++m_pos;
    }
    // After a fault, go on with the line after the one where the record began (a stray quote
    // must not swallow the rest of the file).
    CsvRecord Faulty(CsvRecord r, std::size_t recordStart, std::string fault) {
        const std::size_t lineEnd = m_text.find('\n', recordStart);
        m_pos = lineEnd == std::string_view::npos ? m_text.size() : lineEnd + 1;
        const std::size_t end = lineEnd == std::string_view::npos ? m_text.size() : lineEnd;
        // Keep what the line holds up to the fault, so the output row can still show it.
        if (r.fields.empty()) r.fields.emplace_back(m_text.substr(recordStart, end - recordStart));
        r.fault = std::move(fault);
        return r;
    }

    CsvRecord Record() {
        CsvRecord r;
        const std::size_t start = m_pos;
        for (;;) {
            std::string field;
            if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                ++m_pos;
                for (;;) {
                    if (m_pos >= m_text.size()) return Faulty(std::move(r), start, "A quoted field is not closed.");
                    const char ch = m_text[m_pos++];
                    if (ch != '"') {
                        field += ch;
                    } else if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                        field += '"';
                        ++m_pos;
                    } else {
                        break;
                    }
                }
                if (!AtRecordEnd() && m_text[m_pos] != ',') {
                    return Faulty(std::move(r), start, "A quoted field is followed by text before the next comma.");
                }
            } else {
                while (!AtRecordEnd() && m_text[m_pos] != ',') {
                    if (m_text[m_pos] == '"') {
                        return Faulty(std::move(r), start, "A double quote stands inside a field that is not quoted.");
                    }
                    field += m_text[m_pos++];
                }
            }
            r.fields.push_back(std::move(field));
            if (AtRecordEnd()) {
                SkipRecordEnd();
                return r;
            }
            ++m_pos;  // the comma
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

std::string Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return std::string(s);
}

std::string LowerTrimmed(std::string_view s) {
    std::string t = Trimmed(s);
    for (char& ch : t) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    }
    return t;
}

struct Columns {
    std::optional<std::size_t> region, date, era, weekday;
};

Columns FindColumns(const std::vector<std::string>& header) {
    Columns c;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = LowerTrimmed(header[i]);
        if (name == "region" && !c.region) c.region = i;
        if (name == "date" && !c.date) c.date = i;
        if (name == "era" && !c.era) c.era = i;
        if (name == "weekday" && !c.weekday) c.weekday = i;
    }
    return c;
}

std::vector<std::string> ProblemOnly(std::string problem) {
    std::vector<std::string> fields(kResultColumns.size());
    fields.back() = std::move(problem);
    return fields;
}

struct BatchContext {
    std::span<const CRegion> regions;
    std::span<const CEra> eras;
    std::span<const CYearStyle> styles;
    std::span<const std::string, 12> monthNames;
};

// The result fields of one well-formed row.
std::vector<std::string> ConvertRow(const std::vector<std::string>& row, const Columns& columns,
                                    const BatchContext& ctx) {
    const std::string region = Trimmed(row[*columns.region]);
    if (region.empty()) return ProblemOnly("The region is empty.");
    const std::string dateText = Trimmed(row[*columns.date]);
    if (dateText.empty()) return ProblemOnly("The date is empty.");
    WrittenDateParse parsed = ParseWrittenDate(dateText, ctx.eras, ctx.monthNames);
    if (!parsed.date) return ProblemOnly(parsed.error);
    WrittenDate written = *parsed.date;

    if (columns.era) {
        const std::string eraText = Trimmed(row[*columns.era]);
        if (!eraText.empty()) {
            const auto era = FindEraByName(ctx.eras, eraText);
            if (!era) return ProblemOnly("\"" + eraText + "\" is not an era.");
            if (written.era && *written.era != *era) {
                return ProblemOnly("The date names the " + ctx.eras[static_cast<std::size_t>(*written.era)].m_name +
                                   " but the era column the " + ctx.eras[static_cast<std::size_t>(*era)].m_name + ".");
            }
            written.era = era;
        }
    }
    std::optional<int> weekday;
    if (columns.weekday) {
        const std::string weekdayText = Trimmed(row[*columns.weekday]);
        if (!weekdayText.empty()) {
            weekday = ParseWeekday(weekdayText);
            if (!weekday) return ProblemOnly("\"" + weekdayText + "\" is not a weekday.");
        }
    }
    return BatchResultFields(FindWrittenDateIn(ctx.regions, region, written, ctx.eras, ctx.styles, ctx.monthNames),
                             weekday);
}

}  // namespace

std::span<const std::string_view> BatchResultColumns() { return kResultColumns; }

std::string FormatJulianDay(double jd) {
    char buffer[48];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, jd, std::chars_format::fixed, 1);
    if (ec != std::errc()) return std::string();
    return std::string(buffer, end);
}

std::string FormatIsoLikeDate(const CalendarDate& date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

std::vector<std::string> BatchResultFields(const WrittenDateLookup& lookup, std::optional<int> weekday) {
    std::vector<std::string> fields(kResultColumns.size());
    fields[0] = std::to_string(lookup.readings.size());
    if (lookup.readings.empty()) {
        fields[6] = lookup.explanation;
        return fields;
    }
    const double first = lookup.readings.front().jd;
    fields[1] = FormatJulianDay(first);
    fields[2] = FormatIsoLikeDate(JDToGregorian(first));
    fields[3] = FormatIsoLikeDate(JDToJulian(first));
    for (std::size_t i = 1; i < lookup.readings.size(); ++i) {
        if (i > 1) fields[4] += ' ';
        fields[4] += FormatJulianDay(lookup.readings[i].jd);
    }
    if (weekday) fields[5] = WeekdayOf(first) == *weekday ? "yes" : "no";
    return fields;
}

void AppendCsvRecord(std::string& out, std::span<const std::string> fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        AppendCsvValue(out, fields[i]);
    }
    out += "\r\n";
}

BatchSummary ConvertBatch(std::istream& in, std::ostream& out, std::span<const CRegion> regions,
                          std::span<const CEra> eras, std::span<const CYearStyle> styles,
                          std::span<const std::string, 12> monthNames) {
    BatchSummary summary;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Spreadsheet programs often begin a UTF-8 file with a byte order mark; it is not part of
    // the first column's name.
    std::string_view body = text;
    if (body.starts_with(kUtf8ByteOrderMark)) body.remove_prefix(kUtf8ByteOrderMark.size());
    CsvReader reader(body);
    const BatchContext ctx{regions, eras, styles, monthNames};

    std::vector<std::string> header;
    if (auto first = reader.Next()) header = std::move(first->fields);
    const Columns columns = FindColumns(header);
    std::string headerProblem;
    if (!columns.region) headerProblem = "The header row has no \"region\" column.";
    else if (!columns.date) headerProblem = "The header row has no \"date\" column.";

    std::string buffer;
    std::vector<std::string> outHeader = header;
    outHeader.insert(outHeader.end(), kResultColumns.begin(), kResultColumns.end());
    AppendCsvRecord(buffer, outHeader);

    while (auto record = reader.Next()) {
        std::vector<std::string> row = std::move(record->fields);
        std::vector<std::string> result;
        if (!record->fault.empty()) {
            result = ProblemOnly(record->fault);
        } else if (!headerProblem.empty()) {
            result = ProblemOnly(headerProblem);
        } else if (row.size() != header.size()) {
            result = ProblemOnly("The row has " + std::to_string(row.size()) + " fields; the header has " +
                                 std::to_string(header.size()) + ".");
        } else {
            result = ConvertRow(row, columns, ctx);
        }
        row.resize(header.size());
        ++summary.rows;
        if (result[0] != "0" && !result[0].empty()) ++summary.rowsWithReadings;
        if (!result.back().empty()) ++summary.rowsWithProblem;
        row.insert(row.end(), std::make_move_iterator(result.begin()), std::make_move_iterator(result.end()));
        AppendCsvRecord(buffer, row);
        if (buffer.size() > (1u << 16)) {
            out << buffer;
            buffer.clear();
        }
    }
    out << buffer;
    return summary;
}

}  // namespace chronel
