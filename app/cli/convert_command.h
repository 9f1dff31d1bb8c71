#pragma once
// `chronel convert`: the days on which a region wrote a given date, one date or a CSV list.

#include <string>
#include <vector>

#include "app/cli/output.h"
#include "app/cli/output_format.h"
#include "app/core/catalogues.h"

namespace chronel {

struct ConvertCommand {
    std::string region;  // one of the 76 names
    std::string era;     // an era name, empty for any era
    std::string date;    // "D MONTH Y", as written
    std::string batch;   // a CSV file, "-" for standard input; empty for one date
    OutputFormat format = OutputFormat::Text;
};

extern const char kConvertUsage[];

ConvertCommand ParseConvertCommand(const std::vector<std::string>& args);  // throws UsageError

// One date: every reading, or the sentence saying why there is none. Throws UsageError for a
// region that is none of the 76, an unknown era name or a text that is no date.
void WriteConversion(const ConvertCommand& command, const Catalogues& catalogues, Output& out);

int RunConvertCommand(const std::vector<std::string>& args);

}  // namespace chronel
