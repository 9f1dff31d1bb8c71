#include "platform/core/data_dir.h"

#include <cstdlib>
#include <system_error>

#ifndef CHRONEL_INSTALLED_DATA_DIR
#define CHRONEL_INSTALLED_DATA_DIR "/usr/local/share/chronel/Data"
#endif

namespace chronel {
namespace {
std::filesystem::path& Override() {
    static std::filesystem::path dir;
    return dir;
}

std::filesystem::path WorkingDataDir() {
    std::error_code ec;
    const auto cwd = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path("Data") : cwd / "Data";
}
}  // namespace

void OverrideDataDir(const std::filesystem::path& dir) { Override() = dir; }

bool DataDirIsWorkingDirectory() {
    if (!Override().empty()) return true;
    std::error_code ec;
    return std::filesystem::is_directory(WorkingDataDir(), ec);
}

// The installed data: share/chronel/Data beside the bin/ folder of the running program, so an
// installation can be moved to any prefix; failing that, where the build installs it.
std::filesystem::path InstalledDataDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const auto beside = exe.parent_path().parent_path() / "share" / "chronel" / "Data";
        if (std::filesystem::is_directory(beside, ec)) return beside;
    }
    return std::filesystem::path(CHRONEL_INSTALLED_DATA_DIR);
}

std::filesystem::path DataDir() {
    if (!Override().empty()) return Override();
    if (DataDirIsWorkingDirectory()) return WorkingDataDir();
    return InstalledDataDir();
}

std::filesystem::path DataFile(const std::string& name) { return DataDir() / name; }

std::filesystem::path UserConfigDir() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return std::filesystem::path(xdg) / "chronel";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".config" / "chronel";
    return {};
}

}  // namespace chronel
