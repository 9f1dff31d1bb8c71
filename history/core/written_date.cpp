#include "history/core/written_date.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "calendar/day_numbers.h"
#include "history/core/region_names.h"
#include "history/core/written_date_text.h"

namespace chronel {
namespace {

// The era name of a Gregorian row (ComputeLocalDate writes it for every Gregorian day).
constexpr std::string_view kGregorianEraName = "Anno Domini";

// Astronomical years far enough outside the supported range (4801 BC .. AD 1 000 000) that a
// candidate there needs no day number: it is simply out of range.
constexpr std::int64_t kLowestYear = -10000;
constexpr std::int64_t kHighestYear = 1100000;

// A run of consecutive days over which the written form follows one rule.
struct Span {
    double first = 0.0;  // midnights, inclusive
    double last = 0.0;
    bool gregorian = false;
    const CEra* era = nullptr;         // Julian spans only
    const CYearStyle* style = nullptr;
};

template <typename T>
const T* CatalogueEntry(std::span<const T> catalogue, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= catalogue.size()) return nullptr;
    return &catalogue[static_cast<std::size_t>(index)];
}

// The spans of region inside the supported range, in ascending order. Day jd is governed by
// entry i when d(L[0]) <= jd, d(L[i]) <= jd and every later entry is dated after jd (the
// backward scan of ComputeLocalDate), which holds even for a list out of date order.
std::vector<Span> SpansOf(const CRegion& region, std::span<const CEra> eras, std::span<const CYearStyle> styles) {
    std::vector<Span> spans;
    const std::vector<CTransition>& list = region.m_transitions;
    if (list.empty()) return spans;
    const double firstDay = TransitionDayNumber(list.front());
    const double maxJd = MaxSupportedJD();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const CTransition& t = list[i];
        const double own = TransitionDayNumber(t);
        double end = maxJd + 1.0;  // exclusive
        for (std::size_t j = i + 1; j < list.size(); ++j) end = std::min(end, TransitionDayNumber(list[j]));
        const double lo = std::max({firstDay, own, kMinSupportedJD});
        const double hi = std::min(end - 1.0, maxJd);
        if (lo > hi) continue;

        const CEra* era = CatalogueEntry(eras, t.m_era);
        const CYearStyle* style = CatalogueEntry(styles, t.m_style);
        const bool julianValid = era != nullptr && style != nullptr;
        if (list.size() > 1 && t.m_calendar == kGregorianSwitchCode) {
            // The switch's own date keeps the Julian reckoning; the Gregorian date from the next day.
            if (own == lo && julianValid) spans.push_back({lo, lo, false, era, style});
            const double gregorianFirst = std::max(lo, own + 1.0);
            if (gregorianFirst <= hi) spans.push_back({gregorianFirst, hi, true, nullptr, nullptr});
        } else if (julianValid) {
            spans.push_back({lo, hi, false, era, style});
        }
    }
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.first < b.first; });
    // Neighbours with the same rule are one span (a switch's own day continues the Julian
    // reckoning before it), so that explanations name whole periods.
    std::vector<Span> merged;
    for (const Span& s : spans) {
        if (!merged.empty()) {
            Span& last = merged.back();
            if (last.last + 1.0 == s.first && last.gregorian == s.gregorian && last.era == s.era && last.style == s.style) {
                last.last = s.last;
                continue;
            }
        }
        merged.push_back(s);
    }
    return merged;
}

int HistoricalYear(std::int64_t astronomical) {
    return static_cast<int>(astronomical > 0 ? astronomical : astronomical - 1);
}

bool BeforeNewYear(int day, int month, const CYearStyle& style) {
    return month < style.m_startMonth || (month == style.m_startMonth && day < style.m_startDay);
}

// Where the written day falls under one span's rule, whether or not the span contains it.
struct Candidate {
    enum class Place { FarBefore, Computed, FarAfter } place = Place::Computed;
    double jd = 0.0;          // day number of the date; for a day the month lacks, where it would be
    bool exists = true;       // the month has that many days in that year of the span's calendar
    double monthFirst = 0.0;  // first and last day of the written month in that year
    double monthLast = 0.0;
    int monthLength = 0;
};

Candidate CandidateIn(const Span& span, const WrittenDate& w) {
    Candidate c;
    std::int64_t astronomical = w.year;
    if (!span.gregorian) {
        // Inverse of year = A - offset (one less before the new year).
        astronomical += std::int64_t{span.era->m_yearOffset} + (BeforeNewYear(w.day, w.month, *span.style) ? 1 : 0);
    }
    if (astronomical < kLowestYear) {
        c.place = Candidate::Place::FarBefore;
        return c;
    }
    if (astronomical > kHighestYear) {
        c.place = Candidate::Place::FarAfter;
        return c;
    }
    const int year = static_cast<int>(astronomical);
    if (span.gregorian) {
        c.monthLength = GregorianMonthLength(w.month, year);
        c.monthFirst = GregorianToJD(1, w.month, year);
    } else {
        c.monthLength = JulianMonthLength(w.month, HistoricalYear(astronomical));
        c.monthFirst = JulianToJD(1, w.month, HistoricalYear(astronomical));
    }
    c.monthLast = c.monthFirst + c.monthLength - 1;
    c.jd = c.monthFirst + (w.day - 1);
    c.exists = w.day <= c.monthLength;
    return c;
}

bool Inside(const Span& span, double jd) { return jd >= span.first && jd <= span.last; }

// The first and last day (midnights) of year w.year as a Julian span's style and era count it.
std::pair<double, double> StyleYear(const Span& span, int writtenYear) {
    const std::int64_t astronomical = std::int64_t{writtenYear} + span.era->m_yearOffset;
    const double start = JulianToJD(span.style->m_startDay, span.style->m_startMonth, HistoricalYear(astronomical));
    const double next = JulianToJD(span.style->m_startDay, span.style->m_startMonth, HistoricalYear(astronomical + 1));
    return {start, next - 1.0};
}

class Finder {
public:
    Finder(const CRegion& region, const WrittenDate& written, std::span<const CEra> eras,
           std::span<const CYearStyle> styles, std::span<const std::string, 12> monthNames)
        : m_region(region), m_written(written), m_eras(eras), m_styles(styles), m_monthNames(monthNames) {}

    WrittenDateLookup Run();

private:
    WrittenDateLookup Problem(WrittenDateProblem kind, std::string sentence) const {
        WrittenDateLookup r;
        r.problem = kind;
        r.explanation = std::move(sentence);
        return r;
    }
    LocalDate Forward(double jd) const { return ComputeLocalDate(m_region, CurrentDayAt(jd), m_eras, m_styles); }
    std::string Text(double jd) const { return FormatLocalDate(Forward(jd), m_monthNames); }
    std::string WrittenText() const { return FormatWrittenDate(m_written, m_monthNames); }
    bool Confirms(const LocalDate& local) const {
        if (!local.HasDate() || local.day != m_written.day || local.month != m_written.month ||
            local.year != m_written.year) {
            return false;
        }
        return !m_written.era || local.eraName == m_eras[static_cast<std::size_t>(*m_written.era)].m_name;
    }
    bool EraMatches(const Span& span) const {
        if (!m_written.era) return true;
        const std::string& name = m_eras[static_cast<std::size_t>(*m_written.era)].m_name;
        return span.gregorian ? name == kGregorianEraName : span.era->m_name == name;
    }
    bool WrittenDouble(const Span& span) const {
        return !span.gregorian && StyleHasDualYears(*span.style) &&
               BeforeNewYear(m_written.day, m_written.month, *span.style);
    }
    std::optional<WrittenDateLookup> CheckDate() const;
    WrittenDateLookup Explain(const std::vector<Span>& spans, double historyFirst) const;

    const CRegion& m_region;
    const WrittenDate& m_written;
    std::span<const CEra> m_eras;
    std::span<const CYearStyle> m_styles;
    std::span<const std::string, 12> m_monthNames;
};

// The written numbers alone, before any region is looked at.
std::optional<WrittenDateLookup> Finder::CheckDate() const {
    namespace t = written_date_text;
    const WrittenDate& w = m_written;
    if (w.month < 1 || w.month > 12) return Problem(WrittenDateProblem::InvalidDate, t::NoSuchMonth(w.month));
    // The longest each month ever is (February in a leap year).
    constexpr int kLongest[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (w.day < 1 || w.day > kLongest[w.month - 1]) {
        return Problem(WrittenDateProblem::InvalidDate, t::NoSuchDay(w.day, w.month, m_monthNames));
    }
    if (w.era && !CatalogueEntry(m_eras, *w.era)) return Problem(WrittenDateProblem::UnknownEra, t::UnknownEra(*w.era));
    if (w.dualYear && std::int64_t{*w.dualYear} != std::int64_t{w.year} + 1) {
        return Problem(WrittenDateProblem::BadDualYear, t::BadDualYear(w.year, *w.dualYear));
    }
    return std::nullopt;
}

WrittenDateLookup Finder::Run() {
    if (auto bad = CheckDate()) return *bad;
    const std::vector<Span> all = SpansOf(m_region, m_eras, m_styles);
    if (all.empty()) return Problem(WrittenDateProblem::NoHistory, written_date_text::NoHistory(m_region.m_name));
    std::vector<Span> spans;
    for (const Span& s : all) {
        if (EraMatches(s)) spans.push_back(s);
    }
    if (spans.empty()) {
        return Problem(WrittenDateProblem::EraNotUsed,
                       written_date_text::EraNotUsed(m_region.m_name,
                                                     m_eras[static_cast<std::size_t>(*m_written.era)].m_name));
    }

    WrittenDateLookup found;
    std::optional<Reading> singleOnly;  // a reading rejected because it was not written double
    const CYearStyle* singleStyle = nullptr;
    for (const Span& s : spans) {
        const Candidate c = CandidateIn(s, m_written);
        if (c.place != Candidate::Place::Computed || !c.exists || !Inside(s, c.jd)) continue;
        Reading reading{c.jd, Forward(c.jd)};
        if (!Confirms(reading.local)) continue;
        if (m_written.dualYear && !WrittenDouble(s)) {
            if (!singleOnly) {
                singleOnly = reading;
                singleStyle = s.style;
            }
            continue;
        }
        found.readings.push_back(std::move(reading));
    }
    if (!found.readings.empty()) {
        std::sort(found.readings.begin(), found.readings.end(),
                  [](const Reading& a, const Reading& b) { return a.jd < b.jd; });
        return found;
    }
    if (singleOnly) {
        WrittenDate plain = m_written;
        plain.dualYear.reset();
        return Problem(WrittenDateProblem::NotADualDate,
                       written_date_text::NotADualDate(WrittenText(), m_region.m_name,
                                                       FormatWrittenDate(plain, m_monthNames), singleStyle,
                                                       m_monthNames));
    }
    return Explain(spans, all.front().first);
}

// No span holds the written day: find the most telling reason.
// historyFirst: the region's first day inside the supported range.
WrittenDateLookup Finder::Explain(const std::vector<Span>& spans, double historyFirst) const {
    namespace t = written_date_text;
    const WrittenDate& w = m_written;
    const std::string& region = m_region.m_name;

    // 1. The days a switch to the Gregorian calendar skipped: read as a Julian date the written
    //    day comes after the last Julian day, read as a Gregorian date before the first Gregorian one.
    if (w.year >= 1 && w.year < kHighestYear) {
        for (const Span& s : spans) {
            if (!s.gregorian || s.first - 1.0 < kMinSupportedJD) continue;
            const double lastJulian = s.first - 1.0;
            const LocalDate before = Forward(lastJulian);
            if (before.reckoning != LocalReckoning::Julian) continue;
            // A day the month lacks in one calendar (29 February 1700) is placed just after its
            // last day, so that it falls in the gap too (Denmark went from 18 February to 1 March).
            const auto place = [&](double monthFirst, int monthLength) {
                return monthFirst + std::min(w.day - 1.0, monthLength - 0.5);
            };
            const double asJulian = place(JulianToJD(1, w.month, w.year), JulianMonthLength(w.month, w.year));
            const double asGregorian = place(GregorianToJD(1, w.month, w.year), GregorianMonthLength(w.month, w.year));
            if (asJulian > lastJulian && asGregorian < s.first) {
                return Problem(WrittenDateProblem::ReformGap,
                               t::ReformGap(region, FormatLocalDate(before, m_monthNames), Text(s.first)));
            }
        }
    }

    std::vector<Candidate> candidates;
    for (const Span& s : spans) candidates.push_back(CandidateIn(s, w));

    // 2. The month was shorter in the calendar of a span that covers (part of) it.
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const Candidate& c = candidates[i];
        if (c.place != Candidate::Place::Computed || c.exists) continue;
        if (c.monthLast < spans[i].first || c.monthFirst > spans[i].last) continue;
        const std::string monthAndYear = m_monthNames[static_cast<std::size_t>(w.month) - 1] + " " + std::to_string(w.year);
        return Problem(WrittenDateProblem::MonthTooShort,
                       t::MonthTooShort(region, monthAndYear, c.monthLength, spans[i].gregorian));
    }

    // 3. The year was counted in a span but cut short before (or begun after) the written day.
    std::optional<std::size_t> cut;
    double cutDistance = std::numeric_limits<double>::infinity();
    std::pair<double, double> cutPart;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const Span& s = spans[i];
        const Candidate& c = candidates[i];
        if (c.place != Candidate::Place::Computed || !c.exists) continue;
        const auto [yearFirst, yearLast] =
            s.gregorian ? std::pair{GregorianToJD(1, 1, w.year), GregorianToJD(31, 12, w.year)} : StyleYear(s, w.year);
        const double first = std::max(yearFirst, s.first);
        const double last = std::min(yearLast, s.last);
        if (first > last) continue;
        const double distance = c.jd < first ? first - c.jd : c.jd - last;
        if (distance < cutDistance) {
            cut = i;
            cutDistance = distance;
            cutPart = {first, last};
        }
    }
    if (cut) {
        const Span& s = spans[*cut];
        const std::string dayAndMonth = std::to_string(w.day) + " " + m_monthNames[static_cast<std::size_t>(w.month) - 1];
        return Problem(WrittenDateProblem::YearCutShort,
                       t::YearCutShort(region, w.year, s.gregorian ? "Gregorian calendar" : s.style->m_name,
                                       Text(cutPart.first), Text(cutPart.second), dayAndMonth));
    }

    // 4. Every reading before the region's first day, or outside the supported range.
    const double maxJd = MaxSupportedJD();
    bool allBeforeHistory = true;
    bool allOutside = true;
    for (const Candidate& c : candidates) {
        const bool before = c.place == Candidate::Place::FarBefore ||
                            (c.place == Candidate::Place::Computed && c.jd < historyFirst);
        const bool outside = c.place != Candidate::Place::Computed || c.jd < kMinSupportedJD || c.jd > maxJd;
        allBeforeHistory = allBeforeHistory && before;
        allOutside = allOutside && outside;
    }
    if (allBeforeHistory && historyFirst > kMinSupportedJD) {
        return Problem(WrittenDateProblem::BeforeHistory, t::BeforeHistory(region, Text(historyFirst), WrittenText()));
    }
    if (allOutside) return Problem(WrittenDateProblem::OutsideRange, t::OutsideRange(WrittenText()));

    // 5. Otherwise the year number was not in use when the region counted that way: name the
    //    reckoning whose span comes nearest to its reading.
    std::size_t nearest = 0;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const Candidate& c = candidates[i];
        if (c.place != Candidate::Place::Computed) continue;
        const double distance = c.jd < spans[i].first ? spans[i].first - c.jd : c.jd - spans[i].last;
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    const Span& s = spans[nearest];
    const std::string last = s.last >= maxJd ? std::string() : Text(s.last);
    return Problem(WrittenDateProblem::NotWrittenThen,
                   t::NotWrittenThen(region, WrittenText(), s.gregorian, s.gregorian ? kGregorianEraName : s.era->m_name,
                                     s.gregorian ? std::string_view("New Style") : s.style->m_name, Text(s.first), last));
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

bool StyleHasDualYears(const CYearStyle& style) {
    const bool afterFirstJanuary = style.m_startMonth > 1 || style.m_startDay > 1;
    return afterFirstJanuary && style.m_startMonth <= 6;
}

WrittenDateLookup FindWrittenDate(const CRegion& region, const WrittenDate& written, std::span<const CEra> eras,
                                  std::span<const CYearStyle> styles, std::span<const std::string, 12> monthNames) {
    return Finder(region, written, eras, styles, monthNames).Run();
}

std::optional<std::size_t> FindRegionIgnoringCase(std::span<const CRegion> regions, std::string_view text) {
    if (auto exact = FindRegionByName(regions, text)) return exact;
    for (std::size_t i = 0; i < regions.size(); ++i) {
        if (EqualIgnoringCase(regions[i].m_name, text)) return i;
    }
    return std::nullopt;
}

WrittenDateLookup FindWrittenDateIn(std::span<const CRegion> regions, std::string_view regionName,
                                    const WrittenDate& written, std::span<const CEra> eras,
                                    std::span<const CYearStyle> styles, std::span<const std::string, 12> monthNames) {
    const auto index = FindRegionIgnoringCase(regions, regionName);
    if (!index) {
        // One of the fixed names whose block was not loaded (a missing or short file) has no
        // history; any other name is no region at all.
        const bool known = std::any_of(g_regionNames.begin(), g_regionNames.end(),
                                       [&](std::string_view name) { return EqualIgnoringCase(name, regionName); });
        WrittenDateLookup r;
        r.problem = known ? WrittenDateProblem::NoHistory : WrittenDateProblem::UnknownRegion;
        r.explanation = known ? written_date_text::NoHistory(regionName) : written_date_text::UnknownRegion(regionName);
        return r;
    }
    return FindWrittenDate(regions[*index], written, eras, styles, monthNames);
}

}  // namespace chronel
