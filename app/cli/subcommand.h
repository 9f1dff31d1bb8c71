#pragma once
// What every subcommand does around its own work: --help, usage errors (one line naming the
// problem, then the usage line, on standard error; status 2), and output that could not be
// written (status 1).

#include <functional>
#include <string>
#include <vector>

#include "app/cli/output.h"

namespace chronel {

// name: "day", "easter" ...; work writes into the output and returns the exit status, or throws
// UsageError.
int RunSubcommand(const char* name, const char* usage, const char* help, const std::vector<std::string>& args,
                  const std::function<int(Output& out)>& work);

}  // namespace chronel
