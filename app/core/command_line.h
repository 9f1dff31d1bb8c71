#pragma once
// The command line of the program and of the driver, read before any window exists (so --help
// and --version work without a display).

#include <optional>
#include <string>
#include <vector>

#include "calendar/day_numbers.h"

namespace chronel {

struct CommandLine {
    bool help = false;
    bool version = false;
    bool trace = false;
    std::optional<CalendarDate> today;  // --today YYYY-MM-DD (driver only)
    std::vector<std::string> files;     // remaining arguments (the driver's script)
    std::string error;                  // non-empty when the line cannot be understood
};

// allowDriverOptions: accept --today and file arguments.
CommandLine ParseCommandLine(const std::vector<std::string>& args, bool allowDriverOptions);

// What a program does before any window exists: nullopt when it goes on to run; otherwise the
// exit status after printing the help, the version, or the error (to standard error).
std::optional<int> AnswerWithoutWindows(const CommandLine& cl, const char* program, const char* usage,
                                        const char* version);

// Parses YYYY-MM-DD (a leading '-' for years before 1) into a valid Gregorian date.
std::optional<CalendarDate> ParseIsoDate(const std::string& text);

}  // namespace chronel
