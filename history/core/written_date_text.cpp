#include "history/core/written_date_text.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

#include "calendar/day_numbers.h"

namespace chronel {
namespace {

char Lower(char ch) { return static_cast<char>(std::tolower(static_cast<unsigned char>(ch))); }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

bool IsBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f' || ch == '\v'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The next blank-separated word of rest, removed from it.
std::string_view NextWord(std::string_view& rest) {
    rest = Trim(rest);
    std::size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

// A whole number with an optional sign, the whole text; nullopt when it is none or does not
// fit an int.
std::optional<int> WholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char ch : s) {
        if (ch < '0' || ch > '9') return false;
    }
    return true;
}

struct YearParse {
    std::optional<int> year;
    std::optional<int> dualYear;
    std::string error;
};

// "1750", "-43", "1750/51", "1750/1751", "1699/00".
YearParse ParseYear(std::string_view text) {
    YearParse r;
    const std::size_t slash = text.find('/');
    const std::string_view first = text.substr(0, slash);
    r.year = WholeNumber(first);
    if (!r.year) {
        r.error = "\"" + std::string(first) + "\" is not a year.";
        return r;
    }
    if (slash == std::string_view::npos) return r;
    const std::string_view second = text.substr(slash + 1);
    if (!AllDigits(second)) {
        r.error = "\"" + std::string(text) + "\" is not a dual year such as 1750/51.";
        r.year.reset();
        return r;
    }
    if (*r.year < 1) {
        r.error = "A dual year such as 1750/51 needs a first year of at least 1.";
        r.year.reset();
        return r;
    }
    // The second part replaces as many final digits of the first year as it has; when that
    // gives no later year, it belongs to the next century (1699/00 is 1700).
    const std::string firstDigits = std::to_string(*r.year);
    std::int64_t value = 0;
    if (second.size() >= firstDigits.size()) {
        const auto parsed = WholeNumber(second);
        if (!parsed) {
            r.error = "\"" + std::string(text) + "\" is not a dual year such as 1750/51.";
            r.year.reset();
            return r;
        }
        value = *parsed;
    } else {
        std::int64_t power = 1;
        for (std::size_t i = 0; i < second.size(); ++i) power *= 10;
        value = *r.year - *r.year % power + *WholeNumber(second);
        if (value <= *r.year) value += power;
    }
    if (value > std::numeric_limits<int>::max()) {
        r.error = "\"" + std::string(text) + "\" is not a dual year such as 1750/51.";
        r.year.reset();
        return r;
    }
    r.dualYear = static_cast<int>(value);
    return r;
}

constexpr std::string_view kEraSuffix = " era";

// Usual short names of the catalogue's eras. "BC" is left out on purpose: a year written
// "44 BC" counts backwards, which no era offset of the catalogue does.
struct EraAlias {
    std::string_view alias;
    std::string_view name;
};
constexpr EraAlias kEraAliases[] = {
    {"AD", "Anno Domini"}, {"AM", "Anno Mundi"}, {"AUC", "Ab Urbe condita"}, {"Olympic", "Olympic Games Era"}};

}  // namespace

std::optional<int> ParseMonth(std::string_view text, std::span<const std::string, 12> monthNames) {
    text = Trim(text);
    if (AllDigits(text)) {
        const auto n = WholeNumber(text);
        if (n && *n >= 1 && *n <= 12) return *n;
        return std::nullopt;
    }
    if (!text.empty() && text.back() == '.') text.remove_suffix(1);
    for (std::size_t i = 0; i < 12; ++i) {
        const std::string_view name = monthNames[i];
        if (EqualIgnoringCase(text, name)) return static_cast<int>(i) + 1;
    }
    static constexpr std::string_view kAbbreviations[12] = {"jan", "feb", "mar", "apr", "may", "jun",
                                                            "jul", "aug", "sep", "oct", "nov", "dec"};
    for (std::size_t i = 0; i < 12; ++i) {
        if (EqualIgnoringCase(text, kAbbreviations[i])) return static_cast<int>(i) + 1;
    }
    if (EqualIgnoringCase(text, "sept")) return 9;
    return std::nullopt;
}

std::optional<int> FindEraByName(std::span<const CEra> eras, std::string_view text) {
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    for (const EraAlias& a : kEraAliases) {
        if (EqualIgnoringCase(text, a.alias)) {
            text = a.name;
            break;
        }
    }
    for (std::size_t i = 0; i < eras.size(); ++i) {
        std::string_view name = eras[i].m_name;
        if (EqualIgnoringCase(text, name)) return static_cast<int>(i);
        if (name.size() > kEraSuffix.size() && EqualIgnoringCase(name.substr(name.size() - kEraSuffix.size()), kEraSuffix)) {
            name.remove_suffix(kEraSuffix.size());
            if (EqualIgnoringCase(text, name)) return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> ParseWeekday(std::string_view text) {
    text = Trim(text);
    for (std::size_t i = 0; i < kWeekdayNames.size(); ++i) {
        if (EqualIgnoringCase(text, kWeekdayNames[i]) || EqualIgnoringCase(text, kWeekdayNames[i].substr(0, 3))) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

int WeekdayOf(double jd) {
    const CalendarDate g = JDToGregorian(jd);
    return DayOfWeek(g.day, g.month, g.year);
}

WrittenDateParse ParseWrittenDate(std::string_view text, std::span<const CEra> eras,
                                  std::span<const std::string, 12> monthNames) {
    std::string_view rest = text;
    const std::string_view dayWord = NextWord(rest);
    const std::string_view monthWord = NextWord(rest);
    const std::string_view yearWord = NextWord(rest);
    if (yearWord.empty()) {
        WrittenDateParse r;
        r.error = "\"" + std::string(Trim(text)) + "\" is not a date written as day, month and year, such as 10 February 1750.";
        return r;
    }
    return ParseWrittenFields(dayWord, monthWord, yearWord, Trim(rest), eras, monthNames);
}

WrittenDateParse ParseWrittenFields(std::string_view dayText, std::string_view monthText, std::string_view yearText,
                                    std::string_view eraText, std::span<const CEra> eras,
                                    std::span<const std::string, 12> monthNames) {
    WrittenDateParse r;
    dayText = Trim(dayText);
    yearText = Trim(yearText);
    eraText = Trim(eraText);
    const auto day = WholeNumber(dayText);
    if (!day || *day < 1 || *day > 31) {
        r.error = "\"" + std::string(dayText) + "\" is not a day of the month (1 to 31).";
        return r;
    }
    const auto month = ParseMonth(monthText, monthNames);
    if (!month) {
        r.error = "\"" + std::string(Trim(monthText)) +
                  "\" is not a month: give its name, an abbreviation such as Feb, or 1 to 12.";
        return r;
    }
    const YearParse year = ParseYear(yearText);
    if (!year.year) {
        r.error = year.error;
        return r;
    }
    WrittenDate w;
    w.day = *day;
    w.month = *month;
    w.year = *year.year;
    w.dualYear = year.dualYear;
    if (!eraText.empty()) {
        w.era = FindEraByName(eras, eraText);
        if (!w.era) {
            r.error = "\"" + std::string(eraText) + "\" is not an era.";
            return r;
        }
    }
    r.date = w;
    return r;
}

std::string FormatWrittenDate(const WrittenDate& w, std::span<const std::string, 12> monthNames) {
    std::string s = std::to_string(w.day) + " ";
    s += (w.month >= 1 && w.month <= 12) ? monthNames[static_cast<std::size_t>(w.month) - 1] : std::to_string(w.month);
    s += " " + std::to_string(w.year);
    if (w.dualYear) {
        // The usual short form, "1750/51", "1699/00", when the second year is the next one.
        if (w.year >= 10 && std::int64_t{*w.dualYear} == std::int64_t{w.year} + 1) {
            const int lastTwo = *w.dualYear % 100;
            s += lastTwo < 10 ? "/0" + std::to_string(lastTwo) : "/" + std::to_string(lastTwo);
        } else {
            s += "/" + std::to_string(*w.dualYear);
        }
    }
    return s;
}

std::string FormatLocalDate(const LocalDate& local, std::span<const std::string, 12> monthNames) {
    if (!local.HasDate() || local.month < 1 || local.month > 12) return std::string();
    return std::to_string(local.day) + " " + monthNames[static_cast<std::size_t>(local.month) - 1] + " " +
           std::to_string(local.year);
}

namespace written_date_text {

std::string NoSuchMonth(int month) { return "There is no month " + std::to_string(month) + "; months run from 1 to 12."; }

std::string NoSuchDay(int day, int month, std::span<const std::string, 12> monthNames) {
    if (day < 1) return "Days of the month are counted from 1.";
    const std::string& name = monthNames[static_cast<std::size_t>(month) - 1];
    if (day > 31) return "No month has " + std::to_string(day) + " days.";
    return name + " never has " + std::to_string(day) + " days, so there is no " + std::to_string(day) + " " +
           name + ".";
}

std::string UnknownRegion(std::string_view name) { return "There is no region named \"" + std::string(name) + "\"."; }

std::string NoHistory(std::string_view region) {
    return "No calendar history is loaded for " + std::string(region) + ".";
}

std::string UnknownEra(int era) { return "There is no era number " + std::to_string(era) + "."; }

std::string EraNotUsed(std::string_view region, std::string_view eraName) {
    return std::string(region) + " never counted years in the " + std::string(eraName) + ".";
}

std::string BadDualYear(int year, int dualYear) {
    return "In the dual year " + std::to_string(year) + "/" + std::to_string(dualYear) +
           " the second number must be the year counted from 1 January, " +
           std::to_string(std::int64_t{year} + 1) + ".";
}

std::string NotADualDate(std::string_view written, std::string_view region, std::string_view plain,
                         const CYearStyle* style, std::span<const std::string, 12> monthNames) {
    std::string s = std::string(written) + " is not a dual date: in " + std::string(region) + " " + std::string(plain) +
                    " was written in the ";
    if (style == nullptr) return s + "Gregorian calendar, whose year begins on 1 January.";
    s += style->m_name;
    if (style->m_startMonth == 1 && style->m_startDay == 1) return s + ", whose year begins on 1 January.";
    if (!StyleHasDualYears(*style)) return s + ", whose year begins before the January year and is not written double.";
    // The last day before the style's new year, when the two counts of the year still differ.
    const CalendarDate eve = JDToJulian(JulianToJD(style->m_startDay, style->m_startMonth, 1001) - 1.0);
    return s + ", where the two counts of the year differ only from 1 January to " + std::to_string(eve.day) + " " +
           monthNames[static_cast<std::size_t>(eve.month) - 1] + ".";
}

std::string ReformGap(std::string_view region, std::string_view lastJulian, std::string_view firstGregorian) {
    return "In " + std::string(region) + " the day after " + std::string(lastJulian) + " was " +
           std::string(firstGregorian) + ".";
}

std::string MonthTooShort(std::string_view region, std::string_view monthAndYear, int days, bool gregorian) {
    return "In " + std::string(region) + " " + std::string(monthAndYear) + " had only " + std::to_string(days) +
           " days: the " + (gregorian ? "Gregorian" : "Julian") + " calendar was in force.";
}

std::string YearCutShort(std::string_view region, int year, std::string_view styleName, std::string_view first,
                         std::string_view last, std::string_view dayAndMonth) {
    return "In " + std::string(region) + " the year " + std::to_string(year) + " (" + std::string(styleName) +
           ") ran from " + std::string(first) + " to " + std::string(last) + ", so it had no " +
           std::string(dayAndMonth) + ".";
}

std::string NotWrittenThen(std::string_view region, std::string_view written, bool gregorian,
                           std::string_view eraName, std::string_view styleName, std::string_view first,
                           std::string_view last) {
    std::string s = "In " + std::string(region) + " no day was written " + std::string(written) + ": ";
    if (gregorian) {
        s += "the Gregorian calendar was in force there from " + std::string(first);
    } else {
        s += "years were counted there in the " + std::string(eraName) + " (" + std::string(styleName) + ") from " +
             std::string(first);
    }
    if (!last.empty()) s += " to " + std::string(last);
    return s + ".";
}

std::string BeforeHistory(std::string_view region, std::string_view firstDay, std::string_view written) {
    return "The calendar history of " + std::string(region) + " begins on " + std::string(firstDay) + "; " +
           std::string(written) + " lies before it.";
}

std::string OutsideRange(std::string_view written) {
    return "Days are kept from 1 March 4801 BC to 31 December 1000000 (Gregorian); " + std::string(written) +
           " lies outside.";
}

}  // namespace written_date_text

}  // namespace chronel
