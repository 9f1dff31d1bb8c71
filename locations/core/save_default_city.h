#pragma once
// Storing the default city in DefaultLoc.txt without risking the stored one.

#include <chrono>
#include <filesystem>
#include <string>

namespace chronel {

// A temporary file of a save is renamed or removed within moments; one this old was left by
// a save that was killed.
inline constexpr std::chrono::seconds kStaleTemporaryAge{60};

struct SaveResult {
    bool ok = false;
    std::string reason;  // why the save failed, one sentence; empty on success
};

// Writes index as "%d" (the digits alone, no line end) to a new file in the folder of path,
// flushes it to the disk and renames it over path, so that path holds either the old number or
// the new one whatever happens in between (a crash, a full disk). On failure the new file is
// removed and path is left as it was. Does not create the folder. Temporary files of earlier
// saves that were cut short (".<name>.*.tmp", older than kStaleTemporaryAge) are removed first.
SaveResult WriteDefaultCityFile(const std::filesystem::path& path, int index);

// Writes index to the default-location file of this process (CurrentDefaultCityPaths().write),
// creating the user's configuration folder when that is where it goes.
SaveResult SaveDefaultCity(int index);

}  // namespace chronel
