#include "history/core/transitions_file.h"

#include <array>
#include <charconv>
#include <istream>
#include <iterator>
#include <limits>
#include <ostream>
#include <span>

#include "calendar/day_numbers.h"
#include "history/core/eras.h"
#include "history/core/region_names.h"
#include "history/core/transition_merge.h"
#include "history/core/year_styles.h"
#include "platform/core/safe_read.h"
#include "platform/core/text_lines.h"

namespace chronel {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

struct ParsedNumbers {
    std::size_t count = 0;    // numbers read, from the start of the line
    bool outOfRange = false;  // the next number did not fit an int
};

// Reads up to out.size() leading integers the way "%d %d ..." would: white space, an optional
// sign, decimal digits. Stops at the first text that is not a number; the rest of the line is
// a note and ignored.
ParsedNumbers ReadLeadingIntegers(std::string_view line, std::span<int> out) {
    ParsedNumbers parsed;
    std::size_t pos = 0;
    while (parsed.count < out.size()) {
        while (pos < line.size() && IsBlank(line[pos])) ++pos;
        std::size_t digits = pos;
        const bool negative = digits < line.size() && line[digits] == '-';
        if (digits < line.size() && (line[digits] == '-' || line[digits] == '+')) ++digits;
        if (digits >= line.size() || line[digits] < '0' || line[digits] > '9') break;
        // from_chars takes the digits; the sign is applied here so that "+5" reads as 5.
        long long magnitude = 0;
        const char* first = line.data() + digits;
        const auto [end, ec] = std::from_chars(first, line.data() + line.size(), magnitude);
        const long long value = negative ? -magnitude : magnitude;
        if (ec != std::errc() || value < std::numeric_limits<int>::min() ||
            value > std::numeric_limits<int>::max()) {
            parsed.outOfRange = true;
            break;
        }
        out[parsed.count++] = static_cast<int>(value);
        pos = static_cast<std::size_t>(end - line.data());
    }
    return parsed;
}

bool IsJulianCalendarDate(int day, int month, int year) {
    return year != 0 && month >= 1 && month <= 12 && day >= 1 && day <= JulianMonthLength(month, year);
}

class Reader {
public:
    Reader(std::string_view text, std::string_view source, std::vector<CRegion>& regions, std::ostream& errors)
        : m_lines(text, kMaxDataLineLength), m_source(source), m_regions(regions), m_errors(errors),
          m_base(regions.size()) {}

    TransitionsLoadResult Run() {
        m_result.opened = true;
        std::string_view line;
        while (NextLine(line)) {
            if (!ReadBlock(line)) break;
        }
        return m_result;
    }

private:
    // The next line; false at the end of the text or at a line too long to be one of ours
    // (then after reporting it).
    bool NextLine(std::string_view& line) {
        TextLine next;
        if (!m_lines.Next(next)) return false;
        ++m_lineNumber;
        if (next.tooLong) {
            Fail(m_lineNumber, "line longer than " + std::to_string(kMaxDataLineLength) + " bytes");
            m_tooLong = true;
            return false;
        }
        line = next.text;
        return true;
    }

    std::size_t BlocksLoaded() const { return m_regions.size() - m_base; }

    bool Fail(int line, const std::string& problem) {
        m_result.faultFound = true;
        m_result.faultLine = line;
        m_result.fault = problem;
        m_errors << m_source << ':' << line << ": " << problem << '\n';
        return false;
    }

    std::string RegionLabel(std::size_t block) const {
        return "block " + std::to_string(block) + " (" + std::string(g_regionNames[block]) + ")";
    }

    // Reads the block whose header is line; false after a fault.
    bool ReadBlock(std::string_view header) {
        const std::size_t block = BlocksLoaded();
        if (block >= kRegionCount) {
            return Fail(m_lineNumber, "text after the last of the " + std::to_string(kRegionCount) +
                                          " region blocks");
        }
        std::array<int, 3> numbers{};
        const ParsedNumbers parsed = ReadLeadingIntegers(header, numbers);
        if (parsed.count < numbers.size()) {
            return Fail(m_lineNumber, std::string(parsed.outOfRange ? "number out of range in " : "") +
                                          "header line of " + RegionLabel(block) +
                                          ": needs 3 numbers (region, parent, count of lines), found " +
                                          std::to_string(parsed.count));
        }
        const int headerLine = m_lineNumber;
        const auto [number, parent, announced] = numbers;
        const bool hasParent = parent != number;
        if (hasParent && (parent < 0 || static_cast<std::size_t>(parent) >= block)) {
            return Fail(headerLine, "parent " + std::to_string(parent) + " of " + RegionLabel(block) +
                                        " does not name an earlier block");
        }
        if (!hasParent && announced < 1) {
            return Fail(headerLine, RegionLabel(block) + " has no parent and no transition lines");
        }

        std::vector<CTransition> own;
        for (int i = 0; i < announced; ++i) {
            std::string_view line;
            if (!NextLine(line)) {
                if (m_tooLong) return false;
                return Fail(headerLine, RegionLabel(block) + " announces " + std::to_string(announced) +
                                            " transition lines, the file ends after " + std::to_string(i));
            }
            CTransition t;
            if (!ReadTransition(line, t)) return false;
            own.push_back(t);
        }

        CRegion region;
        region.m_number = number;
        region.m_name = std::string(g_regionNames[block]);
        if (hasParent && own.empty()) {
            region.m_transitions = m_regions[m_base + static_cast<std::size_t>(parent)].m_transitions;  // shared
        } else if (hasParent) {
            std::vector<CTransition> list = m_regions[m_base + static_cast<std::size_t>(parent)].m_transitions;
            MergeOwnLines(list, own);  // linear-time in the lengths, roughly
            region.m_transitions = std::move(list);
        } else {
            region.m_transitions = std::move(own);
        }
        m_regions.push_back(std::move(region));
        ++m_result.regionsLoaded;
        return true;
    }

    bool ReadTransition(std::string_view line, CTransition& t) {
        std::array<int, 6> n{};
        const ParsedNumbers parsed = ReadLeadingIntegers(line, n);
        if (parsed.count < n.size()) {
            return Fail(m_lineNumber, std::string(parsed.outOfRange ? "number out of range in " : "") +
                                          "transition line: needs 6 numbers (calendar, era, style, day, "
                                          "month, year), found " +
                                          std::to_string(parsed.count));
        }
        t = {n[0], n[1], n[2], n[3], n[4], n[5]};
        if (t.m_era < 0 || static_cast<std::size_t>(t.m_era) >= kEraCount) {
            return Fail(m_lineNumber, "era index " + std::to_string(t.m_era) + " outside 0.." +
                                          std::to_string(kEraCount - 1));
        }
        if (t.m_style < 0 || static_cast<std::size_t>(t.m_style) >= kStyleCount) {
            return Fail(m_lineNumber, "style index " + std::to_string(t.m_style) + " outside 0.." +
                                          std::to_string(kStyleCount - 1));
        }
        if (!IsJulianCalendarDate(t.m_day, t.m_month, t.m_year)) {
            return Fail(m_lineNumber, "no such Julian calendar date: day " + std::to_string(t.m_day) +
                                          ", month " + std::to_string(t.m_month) + ", year " +
                                          std::to_string(t.m_year));
        }
        return true;
    }

    TextLines m_lines;
    std::string_view m_source;
    std::vector<CRegion>& m_regions;
    std::ostream& m_errors;
    const std::size_t m_base;
    int m_lineNumber = 0;
    bool m_tooLong = false;
    TransitionsLoadResult m_result;
};

}  // namespace

TransitionsLoadResult LoadTransitions(std::istream& in, std::string_view sourceName,
                                      std::vector<CRegion>& regions, std::ostream& errors) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return Reader(text, sourceName, regions, errors).Run();
}

TransitionsLoadResult LoadTransitions(const std::filesystem::path& path, std::vector<CRegion>& regions,
                                      std::ostream& errors) {
    const std::string source = path.string();
    const FileText file = ReadRegularFile(path, kMaxTransitionsFileBytes);
    if (file.state == FileText::State::Missing) return {};
    if (file.state == FileText::State::Unreadable) {
        errors << source << ": " << file.problem << "; no regional calendars loaded\n";
        return {};
    }
    if (file.truncated) {
        errors << source << ": larger than " << (kMaxTransitionsFileBytes >> 20)
               << " MiB; no regional calendars loaded\n";
        return {};
    }
    return Reader(file.text, source, regions, errors).Run();
}

}  // namespace chronel
