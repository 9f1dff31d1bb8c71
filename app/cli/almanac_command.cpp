#include "app/cli/almanac_command.h"

#include <chrono>
#include <iostream>

#include "app/cli/almanac_fields.h"
#include "app/cli/arguments.h"
#include "app/cli/subcommand.h"
#include "app/cli/json_sink.h"
#include "app/cli/place_options.h"
#include "astro/core/almanac_texts.h"
#include "astro/core/almanac_year.h"

namespace chronel {

const char kAlmanacUsage[] =
    "Usage: chronel almanac --year Y [--city NAME | --lat DEG --lon DEG --tz HOURS] [--clock standard|local] "
    "[--format text|csv|json|ics]\n";

namespace {

const char kAlmanacHelp[] =
    "Every day of a Gregorian year at one place: astronomical, nautical and civil dawn, sunrise,\n"
    "solar noon and the Sun's altitude then, sunset, the three dusks, the day length, moonrise,\n"
    "the Moon's transit and moonset, the Moon's light and age at local noon, the principal\n"
    "phases and the next equinox or solstice. Times in Universal Time where marked \"Z\", else\n"
    "at the place's clock.\n\n"
    "  --year Y        the year (-4000 to 100000)\n"
    "  --city NAME | --lat DEG --lon DEG --tz HOURS\n"
    "                  the place (none: the default city)\n"
    "  --clock C       standard (the fixed offset, default) or local (the zone's rules)\n"
    "  --format F      text (default), csv, json (an array of days), or ics (an iCalendar file\n"
    "                  with the year's principal phases, equinoxes and solstices)\n"
    "  --help          show this help\n";

// Julian Day of the Unix epoch, for the time of export.
constexpr double kUnixEpochJD = 2440587.5;

}  // namespace

AlmanacCommand ParseAlmanacCommand(const std::vector<std::string>& args, const Catalogues& catalogues) {
    AlmanacCommand command;
    std::optional<int> year;
    PlaceOptions place;
    ArgumentReader in(args);
    while (!in.Done()) {
        if (auto v = in.Option("--year")) {
            year = static_cast<int>(ParseInteger(*v, "--year", -4000, 100000));
        } else if (auto v = in.Option("--clock")) {
            command.clockTime = ParseChoice(*v, "--clock", {"standard", "local"}) == "local";
        } else if (auto v = in.Option("--format")) {
            const std::string f = ParseChoice(*v, "--format", {"text", "csv", "json", "ics"});
            command.format = f == "csv"    ? AlmanacFormat::Csv
                             : f == "json" ? AlmanacFormat::Json
                             : f == "ics"  ? AlmanacFormat::ICalendar
                                           : AlmanacFormat::Text;
        } else if (!place.Take(in)) {
            throw UsageError("unknown argument '" + in.Peek() + "'");
        }
    }
    if (!year) throw UsageError("--year is needed");
    command.year = *year;
    command.place = place.Resolve(catalogues);
    return command;
}

void WriteAlmanacYear(const AlmanacCommand& command, double stampJdUt, Output& out) {
    if (command.format == AlmanacFormat::ICalendar) {
        out.Buffer() += AlmanacYearIcs(command.year, stampJdUt);
        return;
    }
    const PlaceClock clock = ResolvePlaceClock(command.clockTime ? command.place.zoneId : std::string(),
                                               command.place.position.timeZone);
    if (clock.zoneUnknown)
        std::cerr << "chronel almanac: " << UnknownZoneMessage(command.place) << '\n';
    const ObserverPlace& p = command.place.position;
    const std::vector<Almanac> days = ComputeAlmanacYear(command.year, p.latitude, p.longitude, clock.offsetAt);
    switch (command.format) {
    case AlmanacFormat::Text: out.Buffer() += AlmanacYearText(days); break;
    case AlmanacFormat::Csv: out.Buffer() += AlmanacYearCsv(days); break;
    case AlmanacFormat::Json: {
        JsonSink json(out.Buffer());
        json.BeginArray({});
        for (const Almanac& day : days) {
            if (&day != &days.front()) out.Buffer() += '\n';
            WriteAlmanacObject(json, {}, FormatAlmanacTexts(day), true);
        }
        json.EndArray();
        out.Buffer() += '\n';
        break;
    }
    case AlmanacFormat::ICalendar: break;
    }
}

int RunAlmanacCommand(const std::vector<std::string>& args) {
    return RunSubcommand("almanac", kAlmanacUsage, kAlmanacHelp, args, [&](Output& out) {
        const Catalogues catalogues = LoadCatalogues(std::cerr, nullptr, NamesACity(args) ? CityNeed::AllCities : CityNeed::DefaultCityOnly);
        const AlmanacCommand command = ParseAlmanacCommand(args, catalogues);
        const double now =
            kUnixEpochJD +
            std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count() / 86400.0;
        WriteAlmanacYear(command, now, out);
        return 0;
    });
}

}  // namespace chronel
