#pragma once
// `chronel day`: one day or a run of days, as text, JSON or CSV.

#include <string>
#include <vector>

#include "app/cli/output.h"
#include "app/cli/output_format.h"
#include "app/core/catalogues.h"
#include "app/core/day_query.h"
#include "calendar/day_numbers.h"

namespace chronel {

struct DayCommand {
    DayQuery first;  // the first day, the place and the regions
    int days = 1;    // consecutive days from the first
    OutputFormat format = OutputFormat::Text;
};

extern const char kDayUsage[];  // the usage line
extern const char kDayHelp[];   // the whole help text

// Reads the arguments after "day". today is the Gregorian date used without a DATE option.
// Throws UsageError.
DayCommand ParseDayCommand(const std::vector<std::string>& args, const Catalogues& catalogues, CalendarDate today);

// Writes the days to out in the command's format.
void WriteDays(const DayCommand& command, const Catalogues& catalogues, Output& out);

// The whole subcommand: help, errors (one line and the usage on standard error, status 2),
// output on standard output. Returns the exit status.
int RunDayCommand(const std::vector<std::string>& args);

}  // namespace chronel
