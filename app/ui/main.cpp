// chronel: the calendar program.
#include <QtGlobal>
#include <cstdio>
#include <string>
#include <vector>

#include "app/core/command_line.h"
#include "app/core/trace.h"
#include "app/ui/calendar_app.h"
#include "platform/ui/resources.h"

int main(int argc, char** argv) {
    InitChronelResources();
    const chronel::CommandLine cl = chronel::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), false);
    if (!cl.error.empty()) {
        std::fprintf(stderr, "chronel: %s\nTry 'chronel --help'.\n", cl.error.c_str());
        return 2;
    }
    if (cl.help) {
        std::printf(
            "Usage: chronel [--trace] [--help] [--version]\n"
            "Shows one day as a Gregorian and a Julian date with its Julian Day, sunrise, sunset,\n"
            "moonrise and moonset, the Moon's phase, Easter dates and historical local dates.\n\n"
            "  --trace    write the rise and set computation and the city lines read to standard output\n"
            "  --help     show this help and exit\n"
            "  --version  show the version and exit\n\n"
            "Data files are read from Data/ in the current folder, or from the installed copy.\n");
        return 0;
    }
    if (cl.version) {
        std::printf("chronel %s\n", CHRONEL_VERSION);
        return 0;
    }
    chronel::EnableTrace(cl.trace);
    chronel::CCalendarApp app;
    return app.InitInstance(argc, argv);
}
