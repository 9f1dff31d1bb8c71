#pragma once
// Where DefaultLoc.txt is read and written.
//
// With a Data/ folder in the working directory the program reads and writes Data/DefaultLoc.txt
// there. An installed program without one reads its data from the installed folder, which a
// user cannot write to: it then keeps the user's default in the user's configuration folder
// (XDG, e.g. ~/.config/chronel/DefaultLoc.txt), reads it from there when it exists and from the
// installed copy otherwise, and writes it there.

#include <filesystem>

namespace chronel {

inline constexpr const char* kDefaultCityFileName = "DefaultLoc.txt";

struct DefaultCityPaths {
    std::filesystem::path read;
    std::filesystem::path write;  // empty when there is no folder to write to
};

// The rule above, given the facts: whether dataDir is the working directory's Data/, the data
// folder in use, and the user's configuration folder (may be empty when unknown).
DefaultCityPaths ChooseDefaultCityPaths(bool dataDirIsWorkingDirectory,
                                        const std::filesystem::path& dataDir,
                                        const std::filesystem::path& userConfigDir);

// The same for this process, from platform/core/data_dir.h.
DefaultCityPaths CurrentDefaultCityPaths();

}  // namespace chronel
