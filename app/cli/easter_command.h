#pragma once
// `chronel easter`: the three Easter dates of a run of years.

#include <string>
#include <vector>

#include "app/cli/output.h"
#include "app/cli/output_format.h"

namespace chronel {

struct EasterCommand {
    int fromYear = 1;  // AD years, fromYear <= toYear
    int toYear = 1;
    OutputFormat format = OutputFormat::Text;
};

extern const char kEasterUsage[];

EasterCommand ParseEasterCommand(const std::vector<std::string>& args);  // throws UsageError

// For each year, the dates the Computus window shows when the main window shows 1 July of it.
void WriteEasterDates(const EasterCommand& command, Output& out);

int RunEasterCommand(const std::vector<std::string>& args);

}  // namespace chronel
