#pragma once
// Where the data files live. The program reads Data/ under the current working directory;
// when there is none (an installed program started from any folder) it reads the installed
// copy. The user's own default location is kept in the XDG configuration folder when the data
// folder in use cannot be written to.

#include <filesystem>
#include <string>

namespace chronel {

// The Data/ folder in use: <cwd>/Data when it is a folder, otherwise the installed one.
std::filesystem::path DataDir();

// True when DataDir() is <cwd>/Data (the program runs from a source or working folder).
bool DataDirIsWorkingDirectory();

// The path of a named data file in DataDir().
std::filesystem::path DataFile(const std::string& name);

// $XDG_CONFIG_HOME/chronel, or ~/.config/chronel; empty when neither can be determined.
std::filesystem::path UserConfigDir();

// For tests and the driver: use this folder instead of <cwd>/Data and the installed one.
// An empty path restores the normal lookup.
void OverrideDataDir(const std::filesystem::path& dir);

}  // namespace chronel
