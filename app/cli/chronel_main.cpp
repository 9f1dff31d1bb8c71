// chronel: the calendar. With no subcommand it opens the window; `chronel day` and
// `chronel easter` answer on standard output without a display.
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/almanac_command.h"
#include "app/cli/convert_command.h"
#include "app/cli/day_command.h"
#include "app/cli/easter_command.h"
#include "app/cli/window_launcher.h"
#include "app/core/command_line.h"

namespace {

const char kUsage[] =
    "Usage: chronel [--trace] | chronel day|easter|convert|almanac [OPTIONS] | chronel --help | --version\n"
    "Shows one day as a Gregorian and a Julian date with its Julian Day, sunrise, sunset,\n"
    "moonrise and moonset, the Moon's phase, Easter dates and historical local dates.\n\n"
    "With no subcommand the window opens.\n"
    "  --trace    write the rise and set computation and the city lines read to standard output\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n\n"
    "Subcommands (no display needed; `chronel SUBCOMMAND --help` for their options):\n"
    "  day        one day or a run of days as text, JSON or CSV\n"
    "  easter     the Easter dates of a run of years\n"
    "  almanac    a year of twilight, noon, Moon and seasons as text, CSV, JSON or iCalendar\n"
    "  convert    the day a date written in a region's reckoning is (\"10 February 1750\" in United Kingdom)\n\n"
    "Keys in the window:\n"
    "  Enter                      read the typed date, day number or day of the year\n"
    "  Page Up / Page Down        previous / next day\n"
    "  Ctrl+Page Up / Page Down   previous / next month (Gregorian)\n"
    "  Ctrl+T                     today\n"
    "  Ctrl+C                     copy the day as text (the selected text when there is one)\n"
    "  F1                         about\n"
    "  Escape                     close the window\n\n"
    "Data files are read from Data/ in the current folder, or from the installed copy.\n";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "day") return chronel::RunDayCommand({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "almanac") return chronel::RunAlmanacCommand({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "convert") return chronel::RunConvertCommand({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "easter") return chronel::RunEasterCommand({args.begin() + 1, args.end()});
    if (!args.empty() && !args[0].empty() && args[0][0] != '-') {
        std::fprintf(stderr, "chronel: unknown subcommand '%s'\nTry 'chronel --help'.\n", args[0].c_str());
        return 2;
    }
    const chronel::CommandLine cl = chronel::ParseCommandLine(args, false);
    if (const auto status = chronel::AnswerWithoutWindows(cl, "chronel", kUsage, CHRONEL_VERSION)) return *status;
    const std::string failure = chronel::ExecWindowProgram(args);
    std::fprintf(stderr, "chronel: %s\n", failure.c_str());
    return 1;
}
