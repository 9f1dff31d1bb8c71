#include "app/core/command_line.h"

#include <cstdio>

namespace chronel {

std::optional<CalendarDate> ParseIsoDate(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3) return std::nullopt;
    if (m < 1 || m > 12 || d < 1 || d > GregorianMonthLength(m, y)) return std::nullopt;
    return CalendarDate{d, m, y};
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, bool allowDriverOptions) {
    CommandLine cl;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.help = true;
        } else if (a == "--version" || a == "-v") {
            cl.version = true;
        } else if (a == "--trace") {
            cl.trace = true;
        } else if (allowDriverOptions && a == "--today") {
            if (i + 1 >= args.size() || !(cl.today = ParseIsoDate(args[i + 1]))) {
                cl.error = "--today needs a date YYYY-MM-DD";
                return cl;
            }
            ++i;
        } else if (allowDriverOptions && (a.empty() || a[0] != '-' || a == "-")) {
            cl.files.push_back(a);
        } else {
            cl.error = "unknown option: " + a;
            return cl;
        }
    }
    return cl;
}

std::optional<int> AnswerWithoutWindows(const CommandLine& cl, const char* program, const char* usage,
                                        const char* version) {
    if (!cl.error.empty()) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", program, cl.error.c_str(), program);
        return 2;
    }
    if (cl.help) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (cl.version) {
        std::printf("%s %s\n", program, version);
        return 0;
    }
    return std::nullopt;
}

}  // namespace chronel
