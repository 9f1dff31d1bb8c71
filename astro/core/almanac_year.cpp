#include "astro/core/almanac_year.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/core/almanac_texts.h"
#include "calendar/day_numbers.h"
#include "platform/core/csv_field.h"

namespace chronel {
namespace {

constexpr const char* kColumns[] = {
    "date",          "astronomicalDawn", "nauticalDawn", "civilDawn",        "sunrise",
    "solarNoon",     "sunset",           "civilDusk",    "nauticalDusk",     "astronomicalDusk",
    "moonrise",      "moonTransit",      "moonset",      "solarNoonAltitude", "dayLength",
    "moonIllumination", "moonAge",       "moonWaxing",   "deltaT",           "phases",
};

std::string OneDecimal(double x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", x);
    return buf;
}

// Phases whose clock date is the day itself, "Full Moon 10:03".
std::string PhasesOfTheDay(const Almanac& a, const AlmanacTexts& t) {
    std::string out;
    for (std::size_t i = 0; i < a.phases.size() && i < t.phases.size(); ++i) {
        const std::string& local = t.phases[i].local;  // "YYYY-MM-DD HH:MM"
        const std::size_t blank = local.rfind(' ');
        if (blank == std::string::npos || local.substr(0, blank) != t.date) continue;
        if (!out.empty()) out += "; ";
        out += t.phases[i].phase + " " + local.substr(blank + 1);
    }
    return out;
}

std::vector<std::string> RowFields(const Almanac& a) {
    const AlmanacTexts t = FormatAlmanacTexts(a);
    return {t.date,
            t.astronomicalDawn,
            t.nauticalDawn,
            t.civilDawn,
            t.sunrise,
            t.solarNoon,
            t.sunset,
            t.civilDusk,
            t.nauticalDusk,
            t.astronomicalDusk,
            t.moonrise,
            t.moonTransit,
            t.moonset,
            t.solarNoonAltitude ? OneDecimal(*t.solarNoonAltitude) : std::string(),
            t.dayLength,
            OneDecimal(t.moonIllumination),
            OneDecimal(t.moonAge),
            t.moonWaxing ? "true" : "false",
            OneDecimal(t.deltaT),
            PhasesOfTheDay(a, t)};
}

// "20260103T100300Z" of a UT Julian Day rounded to the minute.
std::string IcsUtc(double jdUt) {
    const std::string iso = FormatUtInstant(jdUt);  // "YYYY-MM-DDTHH:MMZ"
    std::string out;
    for (char c : iso.substr(0, iso.size() - 1)) {
        if (c != '-' && c != ':') out += c;
    }
    return out + "00Z";
}

struct YearEvent {
    double jdUt;
    std::string summary;
    std::string uidKind;
};

}  // namespace

double DaySearchOffset(int year, int month, int day, const UtcOffsetAt& clockOffset) {
    const double noon = GregorianToJD(day, month, year) + 0.5;
    return clockOffset(noon - clockOffset(noon) / 24.0);
}

std::vector<Almanac> ComputeAlmanacYear(int year, double latitude, double longitude,
                                        const UtcOffsetAt& clockOffset) {
    std::vector<Almanac> days;
    const double first = GregorianToJD(1, 1, year);
    const double end = GregorianToJD(1, 1, year + 1);
    days.reserve(366);
    for (double jd = first; jd < end; jd += 1.0) {
        const CalendarDate d = JDToGregorian(jd);
        days.push_back(ComputeAlmanac(d.year, d.month, d.day, latitude, longitude,
                                      DaySearchOffset(d.year, d.month, d.day, clockOffset),
                                      clockOffset));
    }
    return days;
}

std::string AlmanacYearCsv(const std::vector<Almanac>& days) {
    std::string out;
    for (const char* c : kColumns) out += std::string(out.empty() ? "" : ",") + c;
    out += "\n";
    for (const Almanac& a : days) {
        const std::vector<std::string> fields = RowFields(a);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i) out += ',';
            AppendCsvValue(out, fields[i]);
        }
        out += "\n";
    }
    return out;
}

std::string AlmanacYearText(const std::vector<Almanac>& days) {
    std::vector<std::vector<std::string>> rows;
    rows.emplace_back(std::begin(kColumns), std::end(kColumns));
    for (const Almanac& a : days) rows.push_back(RowFields(a));
    std::vector<std::size_t> width(rows[0].size(), 0);
    for (const auto& r : rows) {
        for (std::size_t i = 0; i < r.size(); ++i) width[i] = std::max(width[i], r[i].size());
    }
    std::string out;
    for (const auto& r : rows) {
        std::string line;
        for (std::size_t i = 0; i < r.size(); ++i) {
            if (i) line += "  ";
            line += r[i];
            if (i + 1 < r.size()) line += std::string(width[i] - r[i].size(), ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
    }
    return out;
}

std::string FoldIcsLine(const std::string& line) {
    std::string out;
    std::size_t start = 0;
    std::size_t limit = 75;  // octets of the first line; continuation lines lose one to the blank
    while (line.size() - start > limit) {
        std::size_t cut = start + limit;
        // Never split a UTF-8 sequence: back up over continuation bytes 10xxxxxx.
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        out += line.substr(start, cut - start) + "\r\n ";
        start = cut;
        limit = 74;
    }
    return out + line.substr(start) + "\r\n";
}

std::string AlmanacYearIcs(int year, double stampJdUt) {
    const double begin = GregorianToJD(1, 1, year);
    const double end = GregorianToJD(1, 1, year + 1);
    std::vector<YearEvent> events;

    static constexpr const char* kPhaseUid[] = {"new-moon", "first-quarter", "full-moon",
                                                "last-quarter"};
    for (long long q = LastPhaseBefore(begin) + 1;; ++q) {
        const PhaseInstant p = PhaseOfQuarter(q);
        if (p.jdUt >= end) break;
        events.push_back({p.jdUt, std::string(PhaseName(p.kind)), kPhaseUid[p.kind]});
    }
    static constexpr const char* kSeasonUid[] = {"march-equinox", "june-solstice",
                                                 "september-equinox", "december-solstice"};
    for (int kind = 0; kind < 4; ++kind) {
        const auto k = static_cast<SeasonKind>(kind);
        const double ut = SeasonInstantUt(year, k);
        if (ut >= begin && ut < end) events.push_back({ut, std::string(SeasonName(k)), kSeasonUid[kind]});
    }
    std::sort(events.begin(), events.end(),
              [](const YearEvent& a, const YearEvent& b) { return a.jdUt < b.jdUt; });

    std::string out;
    auto line = [&out](const std::string& l) { out += FoldIcsLine(l); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//Chronel//Almanac//EN");
    line("CALSCALE:GREGORIAN");
    line("METHOD:PUBLISH");
    const std::string stamp = IcsUtc(stampJdUt);
    for (const YearEvent& e : events) {
        const std::string start = IcsUtc(e.jdUt);
        line("BEGIN:VEVENT");
        line("UID:" + e.uidKind + "-" + start + "@almanac.chronel");
        line("DTSTAMP:" + stamp);
        line("DTSTART:" + start);
        line("SUMMARY:" + e.summary);
        line("DESCRIPTION:" + e.summary + " at " + FormatUtInstant(e.jdUt) +
             " Universal Time (geocentric instant\\, the same everywhere on Earth).");
        line("TRANSP:TRANSPARENT");
        line("END:VEVENT");
    }
    line("END:VCALENDAR");
    return out;
}

}  // namespace chronel
