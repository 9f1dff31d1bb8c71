#include "locations/core/default_city_paths.h"

#include <system_error>

#include "platform/core/data_dir.h"

namespace chronel {

DefaultCityPaths ChooseDefaultCityPaths(bool dataDirIsWorkingDirectory,
                                        const std::filesystem::path& dataDir,
                                        const std::filesystem::path& userConfigDir) {
    const auto dataFile = dataDir / kDefaultCityFileName;
    if (dataDirIsWorkingDirectory) return {dataFile, dataFile};
    if (userConfigDir.empty()) return {dataFile, {}};

    const auto userFile = userConfigDir / kDefaultCityFileName;
    std::error_code ec;
    const bool userFileExists = std::filesystem::is_regular_file(userFile, ec);
    return {userFileExists ? userFile : dataFile, userFile};
}

DefaultCityPaths CurrentDefaultCityPaths() {
    return ChooseDefaultCityPaths(DataDirIsWorkingDirectory(), DataDir(), UserConfigDir());
}

}  // namespace chronel
