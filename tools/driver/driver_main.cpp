// chronel-driver: runs the real windows on the offscreen platform and performs scripted user
// actions, printing what a user would read. Used by the end-to-end tests and the benchmarks.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "app/core/command_line.h"
#include "app/core/today.h"
#include "app/core/trace.h"
#include "app/ui/calendar_app.h"
#include "platform/ui/font_config_reader.h"
#include "platform/ui/resources.h"
#include "app/ui/calendar_dlg.h"
#include "tools/driver/script_runner.h"

namespace {
// The offscreen platform cannot raise windows or grab the keyboard and says so each time a
// popup opens; those notes are not what a user reads and would only blur the driver's output.
const char kUsage[] =
    "Usage: chronel-driver [--today YYYY-MM-DD] [--trace] [SCRIPT]\n"
    "Runs the windows without a display and performs the actions of SCRIPT (or standard\n"
    "input), one per line: type W ID TEXT | key W ID KEY | click W ID | dblclick W ID |\n"
    "select W ID TEXT | dump W | get W ID. Windows: main, locations, computus.\n";

QtMessageHandler g_defaultHandler = nullptr;
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith("This plugin does not support")) return;
    if (g_defaultHandler) g_defaultHandler(type, context, text);
}
}  // namespace

int main(int argc, char** argv) {
    const chronel::CommandLine cl =
        chronel::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), true);
    if (const auto status = chronel::AnswerWithoutWindows(cl, "chronel-driver", kUsage, CHRONEL_VERSION)) return *status;
    if (cl.files.size() > 1) {
        std::fprintf(stderr, "chronel-driver: at most one script file\n");
        return 2;
    }
    InitChronelResources();
    std::ifstream file;
    if (!cl.files.empty()) {
        file.open(cl.files.front());
        if (!file) {
            std::fprintf(stderr, "chronel-driver: cannot read %s\n", cl.files.front().c_str());
            return 2;
        }
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    chronel::EnableTrace(cl.trace);
    if (cl.today) chronel::FixToday(cl.today);

    g_defaultHandler = qInstallMessageHandler(QuietOffscreenNotes);
    chronel::FontConfigReader fontConfig;
    QApplication app(argc, argv);
    chronel::PrepareApplication();
    const auto catalogues = chronel::LoadWindowCatalogues();
    fontConfig.Wait();
    chronel::CCalendarDlg main(catalogues);
    main.show();
    QCoreApplication::processEvents();
    // CHRONEL_DRIVER_TIMES names a file that receives each action's duration (benchmarks).
    std::ofstream times;
    if (const char* path = std::getenv("CHRONEL_DRIVER_TIMES")) times.open(path);
    chronel::ScriptRunner runner(main, std::cout, std::cerr, times.is_open() ? &times : nullptr);
    return runner.Run(cl.files.empty() ? std::cin : static_cast<std::istream&>(file));
}
