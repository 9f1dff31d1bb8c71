#include "app/cli/window_launcher.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace chronel {

std::optional<std::filesystem::path> FindWindowProgram(const std::filesystem::path& ownFolder) {
    std::error_code ec;
    for (const std::filesystem::path& candidate :
         {ownFolder / kWindowProgramName, ownFolder.parent_path() / "libexec" / "chronel" / kWindowProgramName}) {
        if (std::filesystem::is_regular_file(candidate, ec) && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::nullopt;
}

std::string ExecWindowProgram(const std::vector<std::string>& args) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "cannot find its own folder: " + ec.message();
    const auto program = FindWindowProgram(self.parent_path());
    if (!program) return std::string("cannot find the window program ") + kWindowProgramName + " beside " + self.string();
    std::vector<char*> argv;
    std::string name = kWindowProgramName;
    argv.push_back(name.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(program->c_str(), argv.data());
    return "cannot start " + program->string() + ": " + std::strerror(errno);
}

}  // namespace chronel
