#include "app/cli/easter_command.h"

#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/subcommand.h"
#include "app/cli/csv_sink.h"
#include "app/cli/day_fields.h"
#include "app/cli/json_sink.h"
#include "easter/core/computus_texts.h"
#include "res/templates/templates.h"

namespace chronel {

const char kEasterUsage[] = "Usage: chronel easter YEAR [--to YEAR2] [--format text|json|csv]\n";

namespace {

const char kEasterHelp[] =
    "The Easter Sunday of each year from YEAR to YEAR2 (AD years; default YEAR2 = YEAR): the\n"
    "Catholic date and the Orthodox date as a Julian and as a Gregorian calendar date, as the\n"
    "Computus window shows them for 1 July of the year.\n\n"
    "  --to YEAR2   last year (at least YEAR, at most 1000000)\n"
    "  --format F   text (default), json (an array of objects), or csv (a header row, then a row a year)\n"
    "  --help       show this help\n";

constexpr int kLastYear = 1000000;

void WriteYear(FieldSink& sink, int year, const ComputusTexts& t) {
    sink.BeginObject({});
    sink.Number("year", year);
    WriteEasterDateObjects(sink, t);
    sink.EndObject();
}

}  // namespace

EasterCommand ParseEasterCommand(const std::vector<std::string>& args) {
    EasterCommand command;
    std::optional<int> from, to;
    ArgumentReader in(args);
    while (!in.Done()) {
        if (auto v = in.Option("--to")) {
            to = static_cast<int>(ParseInteger(*v, "--to", 1, kLastYear));
        } else if (auto v = in.Option("--format")) {
            command.format = ParseOutputFormat(*v);
        } else if (!from && !in.Peek().empty() && in.Peek()[0] != '-') {
            from = static_cast<int>(ParseInteger(in.Take(), "YEAR", 1, kLastYear));
        } else {
            throw UsageError(from ? "unknown argument '" + in.Peek() + "'" : "YEAR must be from 1 to 1000000: '" + in.Peek() + "'");
        }
    }
    if (!from) throw UsageError("a YEAR is needed");
    if (to && *to < *from) throw UsageError("--to must not be before YEAR");
    command.fromYear = *from;
    command.toYear = to.value_or(*from);
    return command;
}

void WriteEasterDates(const EasterCommand& command, Output& out) {
    JsonSink json(out.Buffer());
    CsvSink csv;
    std::string& b = out.Buffer();
    if (command.format == OutputFormat::Json) b += '[';
    for (int year = command.fromYear; year <= command.toYear; ++year) {
        // On 1 July the Gregorian and the Julian year are the same.
        const ComputusTexts t = MakeComputusTexts(year, year, g_monthNames);
        switch (command.format) {
        case OutputFormat::Text:
            b += std::to_string(year) + ": Catholic " + t.catholicDay + " " + t.catholicMonth + ", Orthodox Julian " +
                 t.orthodoxJulianDay + " " + t.orthodoxJulianMonth + ", Orthodox Gregorian " + t.orthodoxGregorianDay +
                 " " + t.orthodoxGregorianMonth + "\n";
            break;
        case OutputFormat::Json:
            if (year > command.fromYear) b += ",\n";
            WriteYear(json, year, t);
            break;
        case OutputFormat::Csv:
            csv.BeginRecord();
            WriteYear(csv, year, t);
            if (year == command.fromYear) csv.AppendHeader(b);
            csv.AppendRow(b);
            break;
        }
        out.MaybeFlush();
    }
    if (command.format == OutputFormat::Json) b += "]\n";
}

int RunEasterCommand(const std::vector<std::string>& args) {
    return RunSubcommand("easter", kEasterUsage, kEasterHelp, args, [&](Output& out) {
        WriteEasterDates(ParseEasterCommand(args), out);
        return 0;
    });
}

}  // namespace chronel
