#include "app/cli/day_command.h"

#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/subcommand.h"
#include "app/cli/city_lookup.h"
#include "app/cli/place_options.h"
#include "app/cli/csv_sink.h"
#include "app/cli/day_fields.h"
#include "app/cli/json_sink.h"
#include "app/core/date_steps.h"
#include "app/core/day_engine.h"
#include "app/core/day_text.h"
#include "app/core/today.h"
#include "history/core/region_names.h"

namespace chronel {

const char kDayUsage[] =
    "Usage: chronel day [DATE] [PLACE] [--region-a NAME] [--region-b NAME] [--clock standard|local] [--days N] "
    "[--delta-t] [--almanac] [--format text|json|csv]\n";

const char kDayHelp[] =
    "Shows a day as the main window does: both calendar dates, the day numbers, sunrise, sunset,\n"
    "moonrise and moonset, the Moon's next phase, the Easter dates and two local historical dates.\n\n"
    "DATE (at most one; none: today):\n"
    "  --greg Y-M-D     Gregorian date, astronomical year (-43-03-15 is 15 March 44 BC)\n"
    "  --julian Y-M-D   Julian date, historical year (-44-03-15 is 15 March 44 BC; 0 reads as 1 BC)\n"
    "  --jd NUMBER      Julian Day (a fraction of the day is kept)\n"
    "  --mjd NUMBER     Modified Julian Day\n"
    "PLACE (none: the default city):\n"
    "  --city NAME      a city of the table, by its name as the Locations window lists it\n"
    "  --lat DEG --lon DEG --tz HOURS\n"
    "                   decimal degrees, north and east positive; hours east of Greenwich\n"
    "Local historical dates:\n"
    "  --region-a NAME  first row's region (default \"Russia\")\n"
    "  --region-b NAME  second row's region (default \"Diocese of Augsburg\")\n"
    "Clock:\n"
    "  --clock standard rise and set at the place's fixed standard offset (default)\n"
    "  --clock local    at the time the place's clocks showed: its time zone's rules (daylight\n"
    "                   saving, historical offsets); a city without a zone keeps its offset\n"
    "  --delta-t        the Moon's next phase in Universal Time (the dynamical instant less\n"
    "                   Delta T) instead of the dynamical time the window shows by default\n"
    "Output:\n"
    "  --almanac        add the almanac (twilights, noon, the Moon's light, phases, seasons)\n"
    "                   to text and CSV; JSON always has it under \"almanac\"\n"
    "  --days N         N consecutive days from the day given (1 to 1000000)\n"
    "  --format F       text (default), json (an object, or an array for --days), or csv\n"
    "                   (a header row, then one row a day; columns named like the JSON keys)\n"
    "  --help           show this help\n";

namespace {

constexpr int kMaxDays = 1000000;

// "Y-M-D" with an optional '-' before the year, each part a whole number.
CalendarDate ParseDateOption(const std::string& text, std::string_view option) {
    const std::size_t second = text.rfind('-');
    const std::size_t first = second == std::string::npos || second == 0 ? std::string::npos : text.rfind('-', second - 1);
    if (first == std::string::npos || first == 0)
        throw UsageError(std::string(option) + " needs a date Y-M-D: '" + text + "'");
    const std::string what = std::string(option) + " date";
    CalendarDate d;
    d.year = static_cast<int>(ParseInteger(text.substr(0, first), what, -2147483647LL, 2147483647LL));
    d.month = static_cast<int>(ParseInteger(text.substr(first + 1, second - first - 1), what + " month", 1, 12));
    d.day = static_cast<int>(ParseInteger(text.substr(second + 1), what + " day", 0, 99));
    return d;
}

// The day as the window reads a typed date followed by Enter: the month picked from its list,
// the day and the year typed, "BC" picked for a negative year.
double GregorianOption(const CalendarDate& d) {
    DateState s;
    s.m_gregYear = d.year;
    s.m_gregMonth = d.month;
    EnterGregorianDate(s, std::to_string(d.day), std::to_string(d.year < 0 ? -static_cast<long long>(d.year) : d.year),
                       d.year < 0);
    return s.m_jd;
}

double JulianOption(const CalendarDate& d) {
    DateState s;
    s.m_julYear = d.year == 0 ? -1 : d.year;
    s.m_julMonth = d.month;
    EnterJulianDate(s, std::to_string(d.day), std::to_string(d.year < 0 ? -static_cast<long long>(d.year) : d.year),
                    d.year < 0);
    return s.m_jd;
}

std::string RegionOption(const std::string& name, std::string_view option) {
    for (std::string_view r : g_regionNames)
        if (r == name) return name;
    throw UsageError(WithCloseNames(std::string(option) + ": unknown region '" + name + "'", g_regionNames, name));
}

}  // namespace

DayCommand ParseDayCommand(const std::vector<std::string>& args, const Catalogues& catalogues, CalendarDate today) {
    DayCommand command;
    std::optional<double> jd;
    std::string dateOption;
    PlaceOptions place;
    ArgumentReader in(args);
    auto setDate = [&](const std::string& option, double value) {
        if (jd) throw UsageError("two days given: " + dateOption + " and " + option);
        jd = value;
        dateOption = option;
    };
    while (!in.Done()) {
        if (auto v = in.Option("--greg")) {
            setDate("--greg", GregorianOption(ParseDateOption(*v, "--greg")));
        } else if (auto v = in.Option("--julian")) {
            setDate("--julian", JulianOption(ParseDateOption(*v, "--julian")));
        } else if (auto v = in.Option("--jd")) {
            ParseNumber(*v, "--jd");
            DateState s;
            EnterJulianDay(s, *v);
            setDate("--jd", s.m_jd);
        } else if (auto v = in.Option("--mjd")) {
            ParseNumber(*v, "--mjd");
            DateState s;
            EnterModifiedJulianDay(s, *v);
            setDate("--mjd", s.m_jd);
        } else if (place.Take(in)) {
        } else if (in.Flag("--delta-t")) {
            command.first.options.phaseInUniversalTime = true;
        } else if (in.Flag("--almanac")) {
            command.first.options.almanac = true;
        } else if (auto v = in.Option("--region-a")) {
            command.first.regionA = RegionOption(*v, "--region-a");
        } else if (auto v = in.Option("--region-b")) {
            command.first.regionB = RegionOption(*v, "--region-b");
        } else if (auto v = in.Option("--clock")) {
            command.first.options.clockTime = ParseChoice(*v, "--clock", {"standard", "local"}) == "local";
        } else if (auto v = in.Option("--days")) {
            command.days = static_cast<int>(ParseInteger(*v, "--days", 1, kMaxDays));
        } else if (auto v = in.Option("--format")) {
            command.format = ParseOutputFormat(*v);
        } else {
            throw UsageError("unknown option '" + in.Peek() + "'");
        }
    }

    command.first.place = place.Resolve(catalogues);
    // JSON always holds the almanac; text and CSV when asked (it triples a day's work).
    if (command.format == OutputFormat::Json) command.first.options.almanac = true;
    if (command.first.options.clockTime) command.first.clock = ResolveDayClock(command.first.place);
    if (!jd) {
        DateState s;
        SetToday(s, today);
        jd = s.m_jd;
    }
    command.first.jd = *jd;
    return command;
}

void WriteDays(const DayCommand& command, const Catalogues& catalogues, Output& out) {
    DayQuery query = command.first;
    JsonSink json(out.Buffer());
    CsvSink csv;
    if (command.format == OutputFormat::Json && command.days > 1) out.Buffer() += '[';
    for (int i = 0; i < command.days; ++i) {
        const DayReport report = ComputeDay(query, catalogues);
        switch (command.format) {
        case OutputFormat::Text:
            if (i) out.Buffer() += '\n';
            out.Buffer() += FormatDayText(report);
            break;
        case OutputFormat::Json:
            if (i) out.Buffer() += ",\n";
            WriteDayFields(report, json);
            break;
        case OutputFormat::Csv:
            csv.BeginRecord();
            WriteDayFields(report, csv);
            if (i == 0) csv.AppendHeader(out.Buffer());
            csv.AppendRow(out.Buffer());
            break;
        }
        out.MaybeFlush();
        // The next day from the one shown (after the range's end the last day repeats).
        query.jd = report.dates.m_jd + 1.0;
    }
    if (command.format == OutputFormat::Json) out.Buffer() += command.days > 1 ? "]\n" : "\n";
}

int RunDayCommand(const std::vector<std::string>& args) {
    return RunSubcommand("day", kDayUsage, kDayHelp, args, [&](Output& out) {
        const Catalogues catalogues = LoadCatalogues(std::cerr, nullptr, NamesACity(args) ? CityNeed::AllCities : CityNeed::DefaultCityOnly);
        const DayCommand command = ParseDayCommand(args, catalogues, Today());
        if (command.first.clock && command.first.clock->zoneUnknown)
            std::cerr << "chronel day: " << UnknownZoneMessage(command.first.place) << '\n';
        WriteDays(command, catalogues, out);
        return 0;
    });
}

}  // namespace chronel
