#pragma once
// The window program is its own executable, so that the subcommands never load the windowing
// libraries: `chronel` with no subcommand replaces itself with it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace chronel {

inline constexpr const char* kWindowProgramName = "chronel-window";

// Where the window program is, given the folder of the running `chronel`: beside it (a build
// folder), else in ../libexec/chronel (an installed program). Empty when neither exists.
std::optional<std::filesystem::path> FindWindowProgram(const std::filesystem::path& ownFolder);

// Runs the window program with the given arguments in place of this process. Returns only on
// failure, with a message for standard error.
std::string ExecWindowProgram(const std::vector<std::string>& args);

}  // namespace chronel
