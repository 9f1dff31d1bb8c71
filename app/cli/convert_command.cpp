#include "app/cli/convert_command.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "app/cli/arguments.h"
#include "app/cli/subcommand.h"
#include "app/cli/csv_sink.h"
#include "app/cli/day_fields.h"
#include "app/cli/json_sink.h"
#include "history/core/local_date_row.h"
#include "history/core/region_names.h"
#include "history/core/written_date_batch.h"
#include "history/core/written_date_text.h"
#include "res/templates/templates.h"

namespace chronel {

const char kConvertUsage[] =
    "Usage: chronel convert --region NAME [--era NAME] \"D MONTH Y\" [--format text|json|csv] | chronel convert "
    "--batch FILE|-\n";

namespace {

const char kConvertHelp[] =
    "Which day a date written in a region's reckoning is: every day on which the region's\n"
    "local-date row showed that day, month and year (and era), with its Gregorian and Julian\n"
    "dates, weekday and Julian Day; or the sentence saying why no day matches (a reform gap, a\n"
    "year cut short, a day the month did not have, before the region's history).\n\n"
    "  --region NAME   the region, as the region lists name it (\"United Kingdom\")\n"
    "  --era NAME      only readings in that era (\"Byzantine Era\", \"AUC\", \"AD\" ...)\n"
    "  DATE            \"10 February 1750\", \"10 Feb 1750/51\" (a dual year), \"1 9 7208\"\n"
    "  --format F      text (default), json, or csv (a row a reading)\n"
    "  --batch FILE    a CSV list with the columns region and date (and optionally era and\n"
    "                  weekday); '-' reads standard input. Out comes the same rows with the\n"
    "                  columns readings, julian_day, gregorian, julian, others, weekday_matches,\n"
    "                  problem; a malformed row says so in its problem column\n"
    "  --help          show this help\n";

struct DayOfReading {
    DatePanelTexts panels;
    LocalDateRowTexts local;
};

DayOfReading Describe(const Reading& reading) {
    return {FormatDatePanelsAt(reading.jd), FormatLocalDateRow(reading.local, g_monthNames)};
}

void WriteReading(FieldSink& sink, const std::string& region, const DayOfReading& d) {
    sink.Text("julianDay", d.panels.julianDay);
    sink.Text("weekday", d.panels.weekday);
    WriteCalendarObject(sink, "gregorian", d.panels, true);
    WriteCalendarObject(sink, "julian", d.panels, false);
    WriteLocalDateObject(sink, "localDate", region, d.local);
}

std::string TextLine(const DayOfReading& d) {
    const DatePanelTexts& p = d.panels;
    return "Gregorian " + p.gregDay + " " + g_monthNames[static_cast<std::size_t>(p.gregMonthItem)] + " " + p.gregYear +
           " " + g_eraItems[static_cast<std::size_t>(p.gregEraItem)] + ", Julian " + p.julDay + " " + g_monthNames[static_cast<std::size_t>(p.julMonthItem)] +
           " " + p.julYear + " " + g_eraItems[static_cast<std::size_t>(p.julEraItem)] + ", " + p.weekday + ", JD " + p.julianDay + " (" + d.local.era +
           ", " + d.local.style + ")\n";
}

int ConvertBatchFile(const std::string& path, const Catalogues& c) {
    std::ifstream file;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) {
            std::cerr << "chronel convert: cannot read " << path << "\n";
            return 1;
        }
    }
    std::istream& in = path == "-" ? std::cin : static_cast<std::istream&>(file);
    std::ostringstream out;
    ConvertBatch(in, out, c.regions, c.eras, c.styles, g_monthNames);
    std::cout << out.str();
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace

ConvertCommand ParseConvertCommand(const std::vector<std::string>& args) {
    ConvertCommand command;
    ArgumentReader in(args);
    while (!in.Done()) {
        if (auto v = in.Option("--region")) {
            command.region = *v;
        } else if (auto v = in.Option("--era")) {
            command.era = *v;
        } else if (auto v = in.Option("--batch")) {
            command.batch = *v;
        } else if (auto v = in.Option("--format")) {
            command.format = ParseOutputFormat(*v);
        } else if (command.date.empty() && !in.Peek().empty() && in.Peek()[0] != '-') {
            command.date = in.Take();
        } else {
            throw UsageError("unknown argument '" + in.Peek() + "'");
        }
    }
    if (!command.batch.empty()) {
        if (!command.region.empty() || !command.date.empty() || !command.era.empty())
            throw UsageError("--batch takes its regions and dates from the file");
        return command;
    }
    if (command.region.empty()) throw UsageError("--region is needed");
    if (command.date.empty()) throw UsageError("a DATE such as \"10 February 1750\" is needed");
    return command;
}

void WriteConversion(const ConvertCommand& command, const Catalogues& c, Output& out) {
    bool known = false;
    for (std::string_view r : g_regionNames) known = known || r == command.region;
    if (!known) throw UsageError("unknown region '" + command.region + "'");
    std::string text = command.date;
    if (!command.era.empty()) {
        if (!FindEraByName(c.eras, command.era)) throw UsageError("unknown era '" + command.era + "'");
        text += " " + command.era;
    }
    const WrittenDateParse parsed = ParseWrittenDate(text, c.eras, g_monthNames);
    if (!parsed.date) throw UsageError(parsed.error);
    const WrittenDateLookup lookup =
        FindWrittenDateIn(c.regions, command.region, *parsed.date, c.eras, c.styles, g_monthNames);

    std::vector<DayOfReading> days;
    for (const Reading& r : lookup.readings) days.push_back(Describe(r));
    std::string& b = out.Buffer();
    switch (command.format) {
    case OutputFormat::Text:
        if (days.empty()) b += lookup.explanation + "\n";
        for (const DayOfReading& d : days) b += TextLine(d);
        break;
    case OutputFormat::Json: {
        JsonSink json(b);
        json.BeginObject({});
        json.Text("region", command.region);
        json.Text("input", command.date);
        json.BeginArray("readings");
        for (const DayOfReading& d : days) {
            json.BeginObject({});
            WriteReading(json, command.region, d);
            json.EndObject();
        }
        json.EndArray();
        if (days.empty())
            json.Text("problem", lookup.explanation);
        else
            json.Null("problem");
        json.EndObject();
        b += '\n';
        break;
    }
    case OutputFormat::Csv: {
        // One row a reading; without a reading one row that names the problem.
        CsvSink csv;
        const auto row = [&](const DayOfReading* d, bool first) {
            csv.BeginRecord();
            csv.BeginObject({});
            csv.Text("region", command.region);
            csv.Text("input", command.date);
            const std::size_t firstOfReading = csv.FieldCount();
            WriteReading(csv, command.region, d ? *d : DayOfReading{});
            if (!d) csv.BlankValues(firstOfReading, csv.FieldCount());
            csv.Text("problem", d ? std::string() : lookup.explanation);
            csv.EndObject();
            if (first) csv.AppendHeader(b);
            csv.AppendRow(b);
        };
        if (days.empty()) row(nullptr, true);
        for (std::size_t i = 0; i < days.size(); ++i) row(&days[i], i == 0);
        break;
    }
    }
}

int RunConvertCommand(const std::vector<std::string>& args) {
    return RunSubcommand("convert", kConvertUsage, kConvertHelp, args, [&](Output& out) {
        const ConvertCommand command = ParseConvertCommand(args);
        const Catalogues catalogues = LoadCatalogues(std::cerr, nullptr, CityNeed::DefaultCityOnly);
        if (!command.batch.empty()) return ConvertBatchFile(command.batch, catalogues);
        WriteConversion(command, catalogues, out);
        return 0;
    });
}

}  // namespace chronel
