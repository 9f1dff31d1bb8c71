#pragma once
// Storing the default city in DefaultLoc.txt without risking the stored one.

#include <filesystem>
#include <string>

namespace chronel {

struct SaveResult {
    bool ok = false;
    std::string reason;  // why the save failed, one sentence; empty on success
};

// Writes index as "%d" (the digits alone, no line end) to a new file in the folder of path,
// flushes it to the disk and renames it over path, so that path holds either the old number or
// the new one whatever happens in between (a crash, a full disk). On failure the new file is
// removed and path is left as it was. Does not create the folder.
SaveResult WriteDefaultCityFile(const std::filesystem::path& path, int index);

// Writes index to the default-location file of this process (CurrentDefaultCityPaths().write),
// creating the user's configuration folder when that is where it goes.
SaveResult SaveDefaultCity(int index);

}  // namespace chronel
