// chronel-window: the calendar's windows, started by chronel when it is given no subcommand.
#include <QtGlobal>
#include <string>
#include <vector>

#include "app/core/command_line.h"
#include "app/core/trace.h"
#include "app/ui/calendar_app.h"
#include "platform/ui/resources.h"

namespace {
const char kUsage[] =
    "Usage: chronel-window [--trace] [--help] [--version]\n"
    "Shows one day as a Gregorian and a Julian date with its Julian Day, sunrise, sunset,\n"
    "moonrise and moonset, the Moon's phase, Easter dates and historical local dates.\n\n"
    "  --trace    write the rise and set computation and the city lines read to standard output\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n\n"
    "Data files are read from Data/ in the current folder, or from the installed copy.\n";
}  // namespace

int main(int argc, char** argv) {
    const chronel::CommandLine cl = chronel::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), false);
    if (const auto status = chronel::AnswerWithoutWindows(cl, "chronel-window", kUsage, CHRONEL_VERSION)) return *status;
    InitChronelResources();
    chronel::EnableTrace(cl.trace);
    chronel::CCalendarApp app;
    return app.InitInstance(argc, argv);
}
